#include "vault/hidden_folder_walk_win.h"

#include <algorithm>

#include "platform/unique_resource_win.h"
#include "vault/hidden_folder_scan.h"
#include "vault/redirected_path_win.h"

namespace {

// How often the walk says where it is (in folders read): often enough to follow, rarely
// enough to cost nothing.
constexpr std::uint64_t kCurrentFolderEvery = 64;

// FindExInfoBasic and the large fetch arrived with Windows 7; older systems refuse them.
std::atomic<bool> gBasicInfoRefused{false};

HANDLE FindFirstIn(const std::wstring& pattern, WIN32_FIND_DATAW& data) {
    if (!gBasicInfoRefused.load(std::memory_order_relaxed)) {
        const HANDLE find =
            ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                               nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_INVALID_PARAMETER) {
            return find;
        }
        gBasicInfoRefused = true;
    }
    return ::FindFirstFileW(pattern.c_str(), &data);
}

bool IsDotOrDotDot(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

std::wstring WalkProgress::CurrentFolder() const {
    const std::lock_guard lock(m_lock);
    return m_current;
}

void WalkProgress::SetCurrentFolder(const std::wstring& folder) {
    const std::lock_guard lock(m_lock);
    m_current = folder;
}

bool WalkForHiddenFolders(const std::wstring& root,
                          const std::atomic<bool>& stop,
                          WalkProgress& progress,
                          const FoundFolder& found) {
    std::vector<std::wstring> toRead{root};
    WIN32_FIND_DATAW data;
    while (!toRead.empty()) {
        if (stop.load(std::memory_order_relaxed)) {
            return false;
        }
        std::wstring folder = std::move(toRead.back());
        toRead.pop_back();
        if (folder.back() != L'\\') {
            folder += L'\\';
        }
        const std::uint64_t scanned = progress.scanned.fetch_add(1, std::memory_order_relaxed);
        if (scanned % kCurrentFolderEvery == 0) {
            progress.SetCurrentFolder(folder);
        }
        const UniqueFind find(FindFirstIn(PathForDisk(folder + L'*'), data));
        if (!find) {
            // An empty drive root has no entry at all; anything else could not be read.
            if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
                progress.unreadable.fetch_add(1, std::memory_order_relaxed);
            }
            continue;
        }
        const std::size_t firstChild = toRead.size();
        do {
            const DWORD attributes = data.dwFileAttributes;
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
                (attributes & FILE_ATTRIBUTE_REPARSE_POINT) || IsDotOrDotDot(data.cFileName)) {
                continue;
            }
            toRead.push_back(folder + data.cFileName);
            if (CarriesHiddenSuffix(std::wstring_view(data.cFileName))) {
                found(toRead.back());
            }
        } while (::FindNextFileW(find.Get(), &data));
        // Read in the order the system listed them.
        std::reverse(toRead.begin() + static_cast<std::ptrdiff_t>(firstChild), toRead.end());
    }
    return true;
}

std::wstring FolderToWalk(const std::wstring& path) {
    if (path.empty()) {
        return {};
    }
    std::wstring full(MAX_PATH, L'\0');
    DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length =
            ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) {
        return {};
    }
    full.resize(length);
    const DWORD attributes = ::GetFileAttributesW(PathForDisk(full).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return {};
    }
    return full;
}

std::vector<std::wstring> FixedDriveRoots() {
    std::vector<std::wstring> roots;
    const DWORD drives = ::GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(drives & (1u << letter))) {
            continue;
        }
        const std::wstring root{static_cast<wchar_t>(L'A' + letter), L':', L'\\'};
        if (::GetDriveTypeW(root.c_str()) == DRIVE_FIXED) {
            roots.push_back(root);
        }
    }
    return roots;
}
