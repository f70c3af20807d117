#pragma once
// Code page 28591 (ISO 8859-1): every byte is the code point of the same number, so tests can
// reach all 256 byte values through UTF-8 text.

#include <algorithm>
#include <optional>
#include <string>

#include "platform/code_page.h"

class Latin1CodePage final : public CodePage {
public:
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        if (IsAscii(utf8)) {
            return std::string(utf8);
        }
        std::string bytes;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                bytes += static_cast<char>(lead);
            } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size()) {
                const auto next = static_cast<unsigned char>(utf8[++i]);
                bytes += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
            } else {
                return std::nullopt;
            }
        }
        return bytes;
    }

    std::string ToUtf8(std::string_view bytes) const override {
        if (IsAscii(bytes)) {
            return std::string(bytes);
        }
        std::string utf8;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return utf8;
    }

private:
    static bool IsAscii(std::string_view text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }
};
