#include "shell/long_command_win.h"

#include <windows.h>

#include <utility>

void LongCommand::Run(const std::function<void()>& command) {
    if (m_running) {
        return;
    }
    m_running = true;
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
    {
        const DeferredRowRedraws deferred(m_list);
        m_progress.Begin();
        try {
            command();
        } catch (...) {
            m_progress.End();
            m_running = false;
            throw;
        }
        m_progress.End();
    }
    ::SetCursor(previous);
    m_running = false;
    for (auto& action : std::exchange(m_putOff, {})) {
        action();
    }
}

void LongCommand::WhenDone(std::function<void()> action) {
    if (m_running) {
        m_putOff.push_back(std::move(action));
    } else {
        action();
    }
}
