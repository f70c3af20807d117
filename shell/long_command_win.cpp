#include "shell/long_command_win.h"

#include <memory>
#include <utility>

void LongCommand::RunCommand(const std::function<void()>& command) {
    if (m_running) {
        return;
    }
    m_running = true;
    m_working = false;
    // No repaint per row while the command ticks or changes many: one for all at its end.
    m_deferredRedraws.emplace(m_list);
    try {
        command();
    } catch (...) {
        if (!m_working) {
            End();
        }
        throw;
    }
    if (!m_working) {
        End();  // it asked, refused or changed the list without folder work
    }
}

void LongCommand::Run(std::size_t count, Step step, Applied applied, Finished finished) {
    m_working = true;
    m_cursorBefore = ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
    m_progress.Begin();
    auto done = std::make_shared<std::size_t>(0);
    m_worker.Start(
        count, std::move(step),
        [this, count, done, applied = std::move(applied)](std::size_t index, bool outcome) {
            applied(index, outcome);
            m_progress.Report(++*done, count);
        },
        [this, finished = std::move(finished)] {
            m_progress.End();
            finished();
            ::SetCursor(m_cursorBefore);
            End();
        });
}

void LongCommand::End() {
    m_deferredRedraws.reset();  // the whole list repainted once
    m_running = false;
    m_working = false;
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
