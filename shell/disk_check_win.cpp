#include "shell/disk_check_win.h"

#include <algorithm>

#include "vault/folder_disk_win.h"

StartupDiskCheck::~StartupDiskCheck() {
    Stop();
}

void StartupDiskCheck::Start(HWND window, UINT doneMessage, std::vector<std::string> paths) {
    Stop();
    m_stop = false;
    m_paths.clear();
    m_seen.clear();
    m_thread = std::thread([this, window, doneMessage, paths = std::move(paths)]() mutable {
        const auto started = std::chrono::steady_clock::now();
        // Sorted, each path once: looked up by halving, with no second copy of the paths (a
        // long list is most of what the program holds in memory).
        std::sort(paths.begin(), paths.end());
        paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
        Win32FolderDisk disk;
        std::vector<FolderPresence> seen;
        seen.reserve(paths.size());
        for (const auto& path : paths) {
            if (m_stop) {
                return;
            }
            seen.push_back(LookAtFolder(path, disk));
        }
        // Read by the window's thread only after the message, once this thread has ended.
        m_paths = std::move(paths);
        m_seen = std::move(seen);
        m_lookMilliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count();
        ::PostMessageW(window, doneMessage, 0, 0);
    });
}

std::optional<FolderPresence> StartupDiskCheck::Seen(const std::string& path) const {
    const auto found = std::lower_bound(m_paths.begin(), m_paths.end(), path);
    if (found == m_paths.end() || *found != path) {
        return std::nullopt;
    }
    return m_seen[static_cast<std::size_t>(found - m_paths.begin())];
}

void StartupDiskCheck::Stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
