#include "platform/program_folder_win.h"

#include <windows.h>

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // a long path: ask again with room for it
    }
}

std::wstring ProgramFolder() {
    const std::wstring path = ProgramPath();
    const auto lastBackslash = path.rfind(L'\\');
    return lastBackslash == std::wstring::npos ? std::wstring() : path.substr(0, lastBackslash);
}

std::wstring JoinPath(const std::wstring& folder, std::wstring_view name) {
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    path += name;
    return path;
}
