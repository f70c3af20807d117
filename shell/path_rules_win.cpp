#include "shell/path_rules_win.h"

#include <windows.h>

#include "platform/text_win.h"

std::string Win32PathRules::CanonicalPath(std::string_view path) const {
    const std::wstring wide = Widen(path);
    if (wide.empty() || wide.find(L'\0') != std::wstring::npos) {
        return std::string(path);
    }
    std::wstring full(::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty()) {
        return std::string(path);
    }
    full.resize(
        ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    // Short (8.3) names become long ones; a path that does not exist keeps its full form.
    const DWORD longLength = ::GetLongPathNameW(full.c_str(), nullptr, 0);
    if (longLength > 0) {
        std::wstring longPath(longLength, L'\0');
        longPath.resize(
            ::GetLongPathNameW(full.c_str(), longPath.data(), static_cast<DWORD>(longPath.size())));
        if (!longPath.empty()) {
            full = std::move(longPath);
        }
    }
    while (full.size() > 3 && full.back() == L'\\') {
        full.pop_back();
    }
    return Narrow(full);
}

std::string Win32PathRules::FoldCase(std::string_view text) const {
    std::wstring wide = Widen(text);
    // The system's own upper-case table: the one its ordinal comparison without case uses.
    ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return Narrow(wide);
}
