#include "vault/redirected_path_win.h"

#include <windows.h>

#include <utility>

#include "vault/redirected_path.h"

namespace {

struct Redirection {
    bool active = false;
    SystemFolderNames names;
};

std::wstring FullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return {};
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
    return {};
}

Redirection ReadRedirection() {
    Redirection redirection;
#ifndef _WIN64
    BOOL wow64 = FALSE;
    if (!::IsWow64Process(::GetCurrentProcess(), &wow64) || !wow64) {
        return redirection;
    }
    wchar_t windows[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return redirection;
    }
    redirection.names.windowsFolder.assign(windows, length);
    const std::wstring system = redirection.names.windowsFolder + L"\\System32";
    redirection.names.systemFolders.push_back(system);
    wchar_t shortName[MAX_PATH] = {};
    const DWORD shortLength = ::GetShortPathNameW(system.c_str(), shortName, MAX_PATH);
    if (shortLength > 0 && shortLength < MAX_PATH && system != shortName) {
        redirection.names.systemFolders.emplace_back(shortName, shortLength);
    }
    redirection.active = true;
#endif
    return redirection;
}

}  // namespace

std::wstring PathForDisk(std::wstring path) {
    static const Redirection redirection = ReadRedirection();
    if (!redirection.active || path.empty()) {
        return path;
    }
    // Decided on the full path, so that "..", "." and "/" cannot slip past; any other path
    // goes to the system exactly as it was given.
    const std::wstring full = FullPath(path);
    std::wstring native = ThroughSysnative(full, redirection.names);
    return native == full ? std::move(path) : std::move(native);
}
