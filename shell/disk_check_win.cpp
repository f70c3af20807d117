#include "shell/disk_check_win.h"

#include "vault/folder_disk_win.h"

StartupDiskCheck::~StartupDiskCheck() {
    Stop();
}

void StartupDiskCheck::Start(HWND window, UINT doneMessage, std::vector<std::string> paths) {
    Stop();
    m_stop = false;
    m_seen.clear();
    m_thread = std::thread([this, window, doneMessage, paths = std::move(paths)] {
        const auto started = std::chrono::steady_clock::now();
        Win32FolderDisk disk;
        std::unordered_map<std::string, FolderPresence> seen;
        seen.reserve(paths.size());
        for (const auto& path : paths) {
            if (m_stop) {
                return;
            }
            if (const auto [place, added] = seen.try_emplace(path); added) {
                place->second = LookAtFolder(path, disk);
            }
        }
        // Read by the window's thread only after the message, once this thread has ended.
        m_seen = std::move(seen);
        m_lookMilliseconds = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - started)
                                 .count();
        ::PostMessageW(window, doneMessage, 0, 0);
    });
}

std::optional<FolderPresence> StartupDiskCheck::Seen(const std::string& path) const {
    const auto found = m_seen.find(path);
    if (found == m_seen.end()) {
        return std::nullopt;
    }
    return found->second;
}

void StartupDiskCheck::Stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
