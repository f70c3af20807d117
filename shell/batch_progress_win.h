#pragma once
// A long command's progress in the main window's status bar: "N of M", a progress bar and a
// Cancel button, shown once the command has run for a moment, and the rows repainted now and
// then as their words change.

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <string>

class StatusBarProgress {
public:
    // Makes the bar (hidden) now, so that showing it mid-command costs no window's making.
    void Attach(HWND statusBar, HWND cancelButton, HWND list);

    void Begin();
    void End();
    // `done` of `total` folders have been handled.
    void Report(std::size_t done, std::size_t total);

private:
    using Clock = std::chrono::steady_clock;

    void Show(std::size_t done, std::size_t total);

    HWND m_statusBar = nullptr;
    HWND m_cancel = nullptr;
    HWND m_list = nullptr;
    HWND m_bar = nullptr;
    std::wstring m_textBefore;  // the status text the count covers while it shows
    std::wstring m_lastCount;   // the count last shown
    bool m_shown = false;
    Clock::time_point m_started;
    Clock::time_point m_lastShown;
    Clock::time_point m_lastListPaint;
};

// How long a command runs before its progress shows; how often the count is redrawn, and the
// rows are repainted.
inline constexpr std::chrono::milliseconds kProgressShowsAfter{200};
inline constexpr std::chrono::milliseconds kProgressShownEvery{250};
inline constexpr std::chrono::milliseconds kListPaintedEvery{500};
