#include "shell/batch_progress_win.h"

#include <commctrl.h>

#include <string>

#include "platform/gdi_win.h"

namespace {

constexpr int kTextPartWidth = 160;  // at 96 DPI: room for "10000 of 10000"
constexpr int kCancelWidth = 80;

// The text of the status bar's first part.
std::wstring StatusText(HWND statusBar) {
    const auto length = LOWORD(::SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(length + 1u, L'\0');
    ::SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

}  // namespace

void StatusBarProgress::Attach(HWND statusBar, HWND cancelButton, HWND list) {
    m_statusBar = statusBar;
    m_cancel = cancelButton;
    m_list = list;
    m_bar = ::CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | PBS_SMOOTH, 0, 0, 10, 10,
                              m_statusBar, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void StatusBarProgress::Begin() {
    m_shown = false;
    m_started = Clock::now();
    m_lastShown = m_started - kProgressShownEvery;
}

void StatusBarProgress::End() {
    if (!m_shown) {
        return;
    }
    ::ShowWindow(m_bar, SW_HIDE);
    ::ShowWindow(m_cancel, SW_HIDE);
    const int whole[1] = {-1};
    ::SendMessageW(m_statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(whole));
    // A command that said nothing at its end (a Remove that emptied the list) leaves the text
    // that stood before it, not the last count.
    if (StatusText(m_statusBar) == m_lastCount) {
        ::SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(m_textBefore.c_str()));
    }
    m_shown = false;
}

void StatusBarProgress::Report(std::size_t done, std::size_t total) {
    const auto now = Clock::now();
    if (now - m_started >= kProgressShowsAfter && now - m_lastShown >= kProgressShownEvery) {
        m_lastShown = now;
        Show(done, total);
    }
}

void StatusBarProgress::Show(std::size_t done, std::size_t total) {
    if (!m_shown) {
        m_shown = true;
        m_textBefore = StatusText(m_statusBar);
        const int textWidth = ScaleToWindow(kTextPartWidth, m_statusBar);
        const int parts[2] = {textWidth, -1};
        ::SendMessageW(m_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
        RECT part{};
        ::SendMessageW(m_statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
        const int cancelWidth = ScaleToWindow(kCancelWidth, m_statusBar);
        const int grip = ::GetSystemMetrics(SM_CXVSCROLL);
        ::SetWindowPos(m_bar, nullptr, part.left + 2, part.top + 2,
                       part.right - part.left - cancelWidth - grip - 8, part.bottom - part.top - 4,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        // The button belongs to the main window (its click goes there), laid over the bar.
        RECT onScreen = part;
        ::MapWindowPoints(m_statusBar, ::GetParent(m_cancel), reinterpret_cast<POINT*>(&onScreen),
                          2);
        ::SetWindowPos(m_cancel, HWND_TOP, onScreen.right - cancelWidth - grip - 2,
                       onScreen.top + 1, cancelWidth, onScreen.bottom - onScreen.top - 2,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    ::SendMessageW(m_bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(total));
    ::SendMessageW(m_bar, PBM_SETPOS, static_cast<WPARAM>(done), 0);
    m_lastCount = std::to_wstring(done) + L" of " + std::to_wstring(total);
    ::SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(m_lastCount.c_str()));
    // The rows changed so far: one repaint for all of them, now and then.
    if (done == total || Clock::now() - m_lastListPaint >= kListPaintedEvery) {
        m_lastListPaint = Clock::now();
        ::InvalidateRect(m_list, nullptr, FALSE);
    }
}
