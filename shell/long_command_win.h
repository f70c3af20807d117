#pragma once
// The one owner of "a long command is running" in the main window (Hide, Show, Remove and their
// "All" forms). Their folder work runs on a worker thread while the window keeps its own
// message loop; the owner shows the busy pointer and the progress, brings each folder's outcome
// to the list, and decides what else may happen meanwhile: what would change the list waits
// for the end (WhenDone), a stop ends the work after the folder under way.

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "shell/batch_progress_win.h"
#include "shell/batch_worker_win.h"
#include "shell/folder_list_view_win.h"
#include "vault/batch_runner.h"

class LongCommand final : public BatchRunner {
public:
    LongCommand(FolderListView& list, StatusBarProgress& progress, Prompter& prompter)
        : m_list(list), m_progress(progress), m_worker(prompter) {}

    // The window whose procedure passes `message`, and its timer `timerId`, to OnWorkerMessage.
    void Attach(HWND window, UINT message, UINT_PTR timerId) {
        m_worker.Attach(window, message, timerId);
    }

    bool Running() const { return m_running; }
    // Runs `command` unless one runs already. A command that hands folder work to Run (the
    // runner below) is running until that work has finished; then what was put off runs.
    void RunCommand(const std::function<void()>& command);
    // Asks the running command to stop: it saves what it did and ends.
    void RequestStop() { m_worker.RequestStop(); }
    // Runs `action` now, or once the running command has ended, in the order asked.
    void WhenDone(std::function<void()> action);
    void OnWorkerMessage() { m_worker.OnMessage(); }
    // The window is going away: the work stops, and what it did is applied and saved.
    void FinishNow() { m_worker.FinishNow(); }

    // The folder work of the command RunCommand runs.
    void Run(std::size_t count, Step step, Applied applied, Finished finished) override;

private:
    void End();

    FolderListView& m_list;
    StatusBarProgress& m_progress;
    BatchWorker m_worker;
    bool m_running = false;
    bool m_working = false;  // the command has handed its folder work to the worker
    std::optional<DeferredRowRedraws> m_deferredRedraws;
    HCURSOR m_cursorBefore = nullptr;
    std::vector<std::function<void()>> m_putOff;
};
