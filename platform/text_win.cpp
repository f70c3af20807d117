#include "platform/text_win.h"

#include <windows.h>

#include <algorithm>

namespace {

// ASCII is the same text in UTF-8 and in every ANSI code page, so most paths need no conversion.
bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, DWORD flags, std::wstring_view wide, BOOL* usedDefault) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr,
                          usedDefault);
    return bytes;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view wide) {
    return FromWide(CP_UTF8, 0, wide, nullptr);
}

std::optional<std::string> SystemCodePage::FromUtf8(std::string_view utf8) const {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    const std::wstring wide = Widen(utf8);
    BOOL usedDefault = FALSE;
    std::string bytes = FromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, &usedDefault);
    // A character without a byte form of its own would be stored as a look-alike or a '?':
    // only an exact round trip counts.
    if (usedDefault || ToWide(CP_ACP, bytes) != wide) {
        return std::nullopt;
    }
    return bytes;
}

std::string SystemCodePage::ToUtf8(std::string_view bytes) const {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    return Narrow(ToWide(CP_ACP, bytes));
}
