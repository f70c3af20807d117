#include "protect/password_prompt_win.h"

#include "present/skin_form_win.h"
#include "present/skin_label_win.h"

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "protect/settings_keys.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT_PTR kHideStartupTimer = 1;
constexpr UINT kHideStartupIntervalMs = 250;

}  // namespace

bool PasswordPrompt::Create() {
    EnsureSkinLabelClass();
    if (!CreateModeless(IDD_PASSWORD, nullptr)) {
        return false;
    }
    ::SendDlgItemMessageW(Handle(), IDC_TXT_PASS, EM_SETPASSWORDCHAR, L'*', 0);
    ::SetDlgItemTextW(Handle(), IDC_TXT_PASS, L"");
    if (m_skinEnabled) {
        SkinForm(Handle());
    }
    ::SetTimer(Handle(), kHideStartupTimer, kHideStartupIntervalMs, nullptr);
    return true;
}

void PasswordPrompt::SetFormToShow(GuardedWindow& form, PasswordAction action) {
    m_form = &form;
    m_action = action;
    CenterOver(Handle(), form.WindowHandle());  // before the start-up window goes
    if (action == PasswordAction::ContinueStartup) {
        ::ShowWindow(form.WindowHandle(), SW_HIDE);
    }
}

void PasswordPrompt::ShowInFront() {
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    ::BringWindowToTop(Handle());
    ::SetFocus(::GetDlgItem(Handle(), IDC_TXT_PASS));
}

void PasswordPrompt::OnOk() {
    m_settings.Write(settings::kTypedPassword, "");
    const HWND edit = ::GetDlgItem(Handle(), IDC_TXT_PASS);
    if (m_passwords.Condition() == StoredPassword::Damaged && !m_toldDamaged) {
        // Said once a run: no entry can match, and the user needs to know the way out.
        m_toldDamaged = true;
        MessageBoxPrompter(Handle()).Ask(
            "The stored password is damaged and cannot be read, so no password can be "
            "accepted.\r\n\r\nTo reset it, see \"Resetting a damaged password\" in the help topic "
            "\"The password\".",
            m_appTitle, PromptButtons::Ok, PromptIcon::Warning);
    }
    if (!m_passwords.Matches(Narrow(TextOfWindow(edit)))) {
        MessageBoxPrompter(Handle()).Ask("That password was incorrect.  Please try again.",
                                         m_appTitle, PromptButtons::Ok, PromptIcon::None);
        ::SetWindowTextW(edit, L"");
        ::SetFocus(edit);
        return;
    }
    ::KillTimer(Handle(), kHideStartupTimer);
    ::ShowWindow(Handle(), SW_HIDE);
    GuardedWindow* form = m_form;
    const PasswordAction action = m_action;
    Destroy();  // the object lives on with its owner; only the window goes
    if (!form) {
        return;
    }
    switch (action) {
        case PasswordAction::ContinueStartup:
            ::ShowWindow(form->WindowHandle(), SW_SHOW);
            form->ResumeStart();
            break;
        case PasswordAction::LeaveStealth:
            form->ResumeStart();
            break;
        case PasswordAction::HideAll:
            form->HideAll();
            break;
        case PasswordAction::ShowAll:
            form->ShowAll();
            break;
    }
}

void PasswordPrompt::OnCancel() {
    if (m_action == PasswordAction::ContinueStartup) {
        m_endProgram();
        return;
    }
    Destroy();
}

INT_PTR PasswordPrompt::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;  // focus is set when the prompt is shown
        case WM_TIMER:
            // Keeps the start-up window out of sight while the prompt guards the start.
            if (wParam == kHideStartupTimer && m_action == PasswordAction::ContinueStartup &&
                m_form) {
                ::ShowWindow(m_form->WindowHandle(), SW_HIDE);
            }
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    OnOk();
                    return TRUE;
                case IDCANCEL:
                    OnCancel();
                    return TRUE;
            }
            break;
        case WM_CLOSE:
            OnCancel();
            return TRUE;
    }
    return FALSE;
}
