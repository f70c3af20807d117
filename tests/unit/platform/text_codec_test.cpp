#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include <random>

TEST(ToggleHighBit, MapsEachByteAcrossTheTopBit) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {std::string(1, '\0'), "\x80"},
        {"\x80", std::string(1, '\0')},
        {"abc", "\xE1\xE2\xE3"},
        {" ~", "\xA0\xFE"},
        {"\xFF\x7F", "\x7F\xFF"},
        {"|*|", "\xFC\xAA\xFC"},
        {"Visible", "\xD6\xE9\xF3\xE9\xE2\xEC\xE5"},
        {"Hidden", "\xC8\xE9\xE4\xE4\xE5\xEE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToggleHighBit(c.input), c.expected) << "input: " << c.input;
    }
}

TEST(ToggleHighBit, IsItsOwnInverseForEveryByte) {
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        const std::string encoded = ToggleHighBit(byte);
        EXPECT_EQ(static_cast<unsigned char>(encoded[0]), code ^ 0x80) << code;
        EXPECT_EQ(ToggleHighBit(encoded), byte) << code;
    }
}

TEST(ToggleHighBit, RoundTripsRandomByteStrings) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    for (int round = 0; round < 500; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), '\0');
        for (auto& c : text) {
            c = static_cast<char>(byte(random));
        }
        const std::string encoded = ToggleHighBit(text);
        ASSERT_EQ(encoded.size(), text.size());
        std::string inPlace = encoded;
        ToggleHighBitInPlace(inPlace);
        ASSERT_EQ(inPlace, text);
    }
}
