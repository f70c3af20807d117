#pragma once
// Runs the main window's long commands (Hide, Show, Remove and their "All" forms) one at a
// time: the busy cursor, the progress in the status bar and its Cancel button, and the list's
// rows redrawn once at the end. What may not happen under a running command waits for its end.

#include <functional>
#include <vector>

#include "shell/batch_progress_win.h"
#include "shell/folder_list_view_win.h"

class LongCommand {
public:
    LongCommand(FolderListView& list, StatusBarProgress& progress)
        : m_list(list), m_progress(progress) {}

    bool Running() const { return m_running; }
    // Runs `command` unless one runs already, then what was put off while it ran, in turn.
    void Run(const std::function<void()>& command);
    // Asks the running command to stop: it saves what it did and returns.
    void RequestStop() { m_progress.RequestStop(); }
    // Runs `action` now, or once the running command has ended.
    void WhenDone(std::function<void()> action);

private:
    FolderListView& m_list;
    StatusBarProgress& m_progress;
    bool m_running = false;
    std::vector<std::function<void()>> m_putOff;
};
