#pragma once
// A long command's progress in the main window's status bar: "N of M", a progress bar and a
// Cancel button, shown once the command has run for a moment. Meanwhile the window keeps
// painting and answering; of the user's input to it only Esc and the Cancel button get
// through, so nothing else can change the list under the command. Esc or Cancel stops it.

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <string>

#include "vault/list_commands.h"

class StatusBarProgress final : public BatchProgress {
public:
    // Makes the bar (hidden) now, so that showing it mid-command costs no window's making.
    void Attach(HWND statusBar, HWND cancelButton, HWND list);

    void Begin();
    void End();
    bool Advance(std::size_t done, std::size_t total) override;
    void RequestStop() { m_stop = true; }

private:
    using Clock = std::chrono::steady_clock;

    void Show(std::size_t done, std::size_t total);
    void RunWaitingMessages();

    HWND m_statusBar = nullptr;
    HWND m_cancel = nullptr;
    HWND m_list = nullptr;
    HWND m_bar = nullptr;
    std::wstring m_textBefore;  // the status text the count covers while it shows
    std::wstring m_lastCount;   // the count last shown
    bool m_shown = false;
    bool m_stop = false;
    Clock::time_point m_started;
    Clock::time_point m_lastLook;
    Clock::time_point m_lastShown;
    Clock::time_point m_lastListPaint;
};

// How long a command runs before its progress shows; how often the window's messages are run
// (it answers within that), the count is redrawn, and the rows are repainted. Each paint costs
// a trip to the display, which the folders' own work must not wait on too often.
inline constexpr std::chrono::milliseconds kProgressShowsAfter{200};
inline constexpr std::chrono::milliseconds kProgressLookEvery{40};
inline constexpr std::chrono::milliseconds kProgressShownEvery{250};
inline constexpr std::chrono::milliseconds kListPaintedEvery{500};
