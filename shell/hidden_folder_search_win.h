#pragma once
// The search for hidden folders behind the Find Hidden Folders window: the walk runs on a
// thread of its own so that the window keeps painting and answering, and can be stopped.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "vault/hidden_folder_walk_win.h"

class HiddenFolderSearch {
public:
    HiddenFolderSearch() = default;
    HiddenFolderSearch(const HiddenFolderSearch&) = delete;
    HiddenFolderSearch& operator=(const HiddenFolderSearch&) = delete;
    ~HiddenFolderSearch();

    // Walks each root in turn, then posts `doneMessage` to `window` (wParam: 1 when the walk
    // went to the end, 0 when it was stopped).
    void Start(HWND window, UINT doneMessage, std::vector<std::wstring> roots);
    // Asks the walk to stop; the done message follows once it has.
    void RequestStop() { m_stop = true; }
    // Asks the walk to stop and waits for its thread.
    void Stop();
    bool Running() const { return m_running; }

    // The folders found since the last call, as paths on disk.
    std::vector<std::wstring> TakeFound();
    const WalkProgress& Progress() const { return m_progress; }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    WalkProgress m_progress;
    std::mutex m_foundLock;
    std::vector<std::wstring> m_found;
};
