#include "vault/folder_disk_win.h"

#include <windows.h>

#include "platform/system_error_win.h"
#include "platform/text_win.h"
#include "vault/redirected_path_win.h"

namespace {

constexpr DWORD kAllChangeable = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;

}  // namespace

Outcome Win32FolderDisk::RenameFolder(const std::string& from, const std::string& to) {
    if (!::MoveFileW(PathForDisk(Widen(from)).c_str(), PathForDisk(Widen(to)).c_str())) {
        return LastErrorOutcome();
    }
    return Outcome::Success();
}

bool Win32FolderDisk::FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(PathForDisk(Widen(path)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Outcome Win32FolderDisk::SetFolderAttributes(const std::string& path, FolderAttributes attributes) {
    const std::wstring widePath = PathForDisk(Widen(path));
    const DWORD current = ::GetFileAttributesW(widePath.c_str());
    if (current == INVALID_FILE_ATTRIBUTES && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return LastErrorOutcome();
    }
    // A missing folder, or a file of that name, is error 76, "Path not found": the user is told
    // the folder is not there, whichever way it is gone.
    if (current == INVALID_FILE_ATTRIBUTES || !(current & FILE_ATTRIBUTE_DIRECTORY)) {
        return Outcome::Failure(RuntimeErrorFromWin32(ERROR_PATH_NOT_FOUND));
    }
    const DWORD wanted =
        attributes == FolderAttributes::AllSet ? kAllChangeable : FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileAttributesW(widePath.c_str(), wanted)) {
        return LastErrorOutcome();
    }
    return Outcome::Success();
}
