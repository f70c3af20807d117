#include "platform/file_exists_win.h"

#include <windows.h>

#include "platform/file_name.h"
#include "platform/unique_resource_win.h"

namespace {

constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                               FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;

std::wstring Upper(std::wstring_view text) {
    std::wstring upper(text);
    ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

}  // namespace

bool FileExists(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    UniqueFind find(::FindFirstFileW(path.c_str(), &found));
    if (!find) {
        return false;
    }
    // The first ordinary file among the matches decides.
    do {
        if ((found.dwFileAttributes & kNotOrdinary) == 0) {
            return Upper(found.cFileName) == Upper(FileNamePart(std::wstring_view(path)));
        }
    } while (::FindNextFileW(find.Get(), &found));
    return false;
}
