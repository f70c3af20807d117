#pragma once
// The look at the disk after start: every listed folder under both of its names, on a thread of
// its own, so that a long list (or a slow drive) never holds up the window.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "vault/folder_hider.h"

class StartupDiskCheck {
public:
    StartupDiskCheck() = default;
    StartupDiskCheck(const StartupDiskCheck&) = delete;
    StartupDiskCheck& operator=(const StartupDiskCheck&) = delete;
    ~StartupDiskCheck();

    // Looks at each path, then posts `doneMessage` to `window`.
    void Start(HWND window, UINT doneMessage, std::vector<std::string> paths);
    // After `doneMessage`: what was seen of `path`, or nothing when it was not looked at.
    std::optional<FolderPresence> Seen(const std::string& path) const;
    // Stops the look and waits for its thread.
    void Stop();
    // How long the thread took to look at every path, for the benchmarks.
    double LookMilliseconds() const { return m_lookMilliseconds; }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::vector<std::string> m_paths;    // sorted, each once
    std::vector<FolderPresence> m_seen;  // what was seen of m_paths[i]
    double m_lookMilliseconds = 0;
};
