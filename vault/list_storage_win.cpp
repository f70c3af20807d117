#include "vault/list_storage_win.h"

#include <windows.h>

#include "platform/program_folder_win.h"
#include "platform/system_error_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"

namespace {

Outcome FailureOf(DWORD win32Error) {
    return Outcome::Failure(RuntimeErrorFromWin32(win32Error));
}

Outcome WriteAndFlush(const std::wstring& path, std::string_view bytes) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorOutcome();
    }
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - offset, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + offset, chunk, &written, nullptr)) {
            return LastErrorOutcome();
        }
        offset += written;
    }
    // The data must be on disk before the rename makes it the list.
    if (!::FlushFileBuffers(file.Get())) {
        return LastErrorOutcome();
    }
    return Outcome::Success();
}

}  // namespace

std::wstring FolderListStorage::FullPath(std::string_view name) const {
    return JoinPath(m_folder, Widen(name));
}

std::string FolderListStorage::PathOf(std::string_view name) const {
    return Narrow(FullPath(name));
}

Outcome FolderListStorage::ReadContent(std::string_view name,
                                       std::string& bytes,
                                       std::size_t maxBytes) const {
    UniqueFile file(::CreateFileW(FullPath(name).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return LastErrorOutcome();
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) {
        return LastErrorOutcome();
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return Outcome::Failure({kFileTooLargeError, "File too large"});
    }
    bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data() + offset,
                        static_cast<DWORD>(bytes.size() - offset), &read, nullptr)) {
            return LastErrorOutcome();
        }
        if (read == 0) {
            break;
        }
        offset += read;
    }
    bytes.resize(offset);
    return Outcome::Success();
}

Outcome FolderListStorage::ReplaceContent(std::string_view name, std::string_view bytes) {
    const std::wstring target = FullPath(name);
    // A folder of that name is not a list file to replace. A hidden or system file is: it was
    // read like any other.
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY)) {
        return FailureOf(ERROR_ACCESS_DENIED);
    }
    const std::wstring temporary = target + L".new";
    if (auto written = WriteAndFlush(temporary, bytes); written.Failed()) {
        ::DeleteFileW(temporary.c_str());
        return written;
    }
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return FailureOf(error);
    }
    return Outcome::Success();
}
