#include "shell/hidden_folder_search_win.h"

#include <utility>

HiddenFolderSearch::~HiddenFolderSearch() {
    Stop();
}

void HiddenFolderSearch::Start(HWND window, UINT doneMessage, std::vector<std::wstring> roots) {
    Stop();
    m_stop = false;
    m_progress.scanned = 0;
    m_progress.unreadable = 0;
    m_progress.SetCurrentFolder({});
    {
        const std::lock_guard lock(m_foundLock);
        m_found.clear();
    }
    m_running = true;
    m_thread = std::thread([this, window, doneMessage, roots = std::move(roots)] {
        bool finished = true;
        for (const auto& root : roots) {
            finished =
                WalkForHiddenFolders(root, m_stop, m_progress, [this](const std::wstring& path) {
                    const std::lock_guard lock(m_foundLock);
                    m_found.push_back(path);
                });
            if (!finished) {
                break;
            }
        }
        m_running = false;
        ::PostMessageW(window, doneMessage, finished ? 1 : 0, 0);
    });
}

void HiddenFolderSearch::Stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_running = false;
}

std::vector<std::wstring> HiddenFolderSearch::TakeFound() {
    const std::lock_guard lock(m_foundLock);
    return std::exchange(m_found, {});
}
