#include "platform/text_win.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(SystemCodePage, EveryByteOfTheCodePageRoundTrips) {
    SystemCodePage codePage;
    CPINFO info{};
    ASSERT_TRUE(::GetCPInfo(CP_ACP, &info));
    if (info.MaxCharSize != 1) {
        GTEST_SKIP() << "a double-byte system code page";
    }
    for (int code = 1; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        const auto back = codePage.FromUtf8(codePage.ToUtf8(byte));
        ASSERT_TRUE(back.has_value()) << code;
        EXPECT_EQ(*back, byte) << code;
    }
}

TEST(SystemCodePage, RefusesTextWithoutAnExactByteForm) {
    SystemCodePage codePage;
    struct Case {
        const char* utf8;
        bool representable;
    };
    const Case cases[] = {
        {"C:\\Plain", true},
        {"", true},
        {"C:\\\xE4\xB8\xAD\xE6\x96\x87", false},  // Chinese: not in a Western code page
        {"C:\\\xF0\x9F\x98\x80", false},          // outside the basic plane
        {"C:\\\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         false},  // Polish: best fit would turn it into "Lodz"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codePage.FromUtf8(c.utf8).has_value(), c.representable) << c.utf8;
    }
}

TEST(TextConversion, WideAndUtf8RoundTrip) {
    const std::string samples[] = {"", "C:\\Data", "C:\\caf\xC3\xA9",
                                   "\xE4\xB8\xAD\xF0\x9F\x98\x80"};
    for (const auto& sample : samples) {
        EXPECT_EQ(Narrow(Widen(sample)), sample);
    }
    EXPECT_EQ(Widen("caf\xC3\xA9"), L"caf\u00e9");
}
