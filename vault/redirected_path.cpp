#include "vault/redirected_path.h"

#include <algorithm>

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// The system folder names are ASCII; other characters must match as they are.
wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

std::wstring_view WithoutClosingSeparators(std::wstring_view folder) {
    while (!folder.empty() && IsSeparator(folder.back())) {
        folder.remove_suffix(1);
    }
    return folder;
}

// Whether `path` is `folder` or lies in it; `folder` has no closing separator.
bool StartsWithFolder(std::wstring_view path, std::wstring_view folder) {
    if (folder.empty() || path.size() < folder.size()) {
        return false;
    }
    const bool same =
        std::equal(folder.begin(), folder.end(), path.begin(), [](wchar_t a, wchar_t b) {
            return FoldAscii(a) == FoldAscii(b) || (IsSeparator(a) && IsSeparator(b));
        });
    return same && (path.size() == folder.size() || IsSeparator(path[folder.size()]));
}

}  // namespace

std::wstring ThroughSysnative(std::wstring_view fullPath, const SystemFolderNames& names) {
    const std::wstring_view windowsFolder = WithoutClosingSeparators(names.windowsFolder);
    for (const std::wstring& named : names.systemFolders) {
        const std::wstring_view system = WithoutClosingSeparators(named);
        if (!windowsFolder.empty() && StartsWithFolder(fullPath, system)) {
            return std::wstring(windowsFolder) + L"\\Sysnative" +
                   std::wstring(fullPath.substr(system.size()));
        }
    }
    return std::wstring(fullPath);
}
