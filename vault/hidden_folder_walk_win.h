#pragma once
// The walk over a folder tree that finds hidden folders by their names. It reads each folder
// once and never goes through a reparse point (junction, symbolic link, mount point): a link
// back up the tree cannot make it loop, and nothing is counted twice. It changes nothing.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// What a walk has done so far, read by another thread while it runs.
struct WalkProgress {
    std::atomic<std::uint64_t> scanned{0};     // folders read
    std::atomic<std::uint64_t> unreadable{0};  // folders that could not be read (access denied)

    // The folder being read, now and then, for the user to see where the walk is.
    std::wstring CurrentFolder() const;
    void SetCurrentFolder(const std::wstring& folder);

private:
    mutable std::mutex m_lock;
    std::wstring m_current;
};

using FoundFolder = std::function<void(const std::wstring& pathOnDisk)>;

// Walks `root` and every folder under it; `found` hears of each folder whose name carries the
// hiding suffix, parents before the folders inside them. False when `stop` ended it early.
bool WalkForHiddenFolders(const std::wstring& root,
                          const std::atomic<bool>& stop,
                          WalkProgress& progress,
                          const FoundFolder& found);

// The full path of an existing folder to walk, or empty when `path` names none.
std::wstring FolderToWalk(const std::wstring& path);

// The root of every fixed drive, as "C:\".
std::vector<std::wstring> FixedDriveRoots();
