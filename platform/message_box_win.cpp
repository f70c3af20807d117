#include "platform/message_box_win.h"
#include "platform/unique_resource_win.h"

#include "platform/callback_guard_win.h"

#include <iterator>

#include "platform/text_win.h"
#include "platform/window_win.h"

namespace {

UINT ButtonStyle(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return MB_OKCANCEL;
        case PromptButtons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
        case PromptButtons::YesNo:
            return MB_YESNO;
        case PromptButtons::Ok:
            break;
    }
    return MB_OK;
}

UINT IconStyle(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return MB_ICONINFORMATION;
        case PromptIcon::Warning:
            return MB_ICONWARNING;
        case PromptIcon::Error:
            return MB_ICONERROR;
        case PromptIcon::Question:
            return MB_ICONQUESTION;
        case PromptIcon::None:
            break;
    }
    return 0;
}

// The box being shown on this thread is placed over the middle of the window that asked, once,
// when it first becomes active: the system would put it in the middle of the screen.
thread_local UniqueHook tCentringHook;

LRESULT CentreMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = tCentringHook.Get();
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        ::GetClassNameW(box, className, static_cast<int>(std::size(className)));
        if (::lstrcmpW(className, L"#32770") == 0) {
            tCentringHook.Reset();
            CenterOnOwner(box);
        }
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK CentreWhenActivated(int code, WPARAM wParam, LPARAM lParam) {
    return GuardHookProc("the message box placement", CentreMessageBox, code, wParam, lParam);
}

PromptAnswer AnswerOf(int result) {
    switch (result) {
        case IDOK:
            return PromptAnswer::Ok;
        case IDABORT:
            return PromptAnswer::Abort;
        case IDRETRY:
            return PromptAnswer::Retry;
        case IDIGNORE:
            return PromptAnswer::Ignore;
        case IDYES:
            return PromptAnswer::Yes;
        case IDNO:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;  // also a box closed without a button
    }
}

}  // namespace

PromptAnswer MessageBoxPrompter::Ask(const std::string& text,
                                     const std::string& title,
                                     PromptButtons buttons,
                                     PromptIcon icon) {
    // Without an owner the box must still hold every window of the program, not float free.
    const UINT modality = m_owner ? MB_APPLMODAL : MB_TASKMODAL;
    if (m_owner && !tCentringHook) {
        tCentringHook.Reset(
            ::SetWindowsHookExW(WH_CBT, CentreWhenActivated, nullptr, ::GetCurrentThreadId()));
    }
    const int result = ::MessageBoxW(m_owner, Widen(text).c_str(), Widen(title).c_str(),
                                     ButtonStyle(buttons) | IconStyle(icon) | modality);
    tCentringHook.Reset();  // when the box never became active
    return AnswerOf(result);
}
