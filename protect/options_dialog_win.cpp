#include "protect/options_dialog_win.h"

#include <exception>

#include "present/skin_form_win.h"
#include "present/skin_label_win.h"

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "protect/add_remove_win.h"
#include "protect/setting_rules.h"
#include "protect/settings_keys.h"
#include "resources/resource_ids.h"

namespace {

struct OptionBox {
    int id;
    std::string_view key;
};

// The per-user check boxes after the stealth ones, in the order they are read and saved.
constexpr OptionBox kLaterBoxes[] = {
    {IDC_CHK_PASSWORD, settings::kPassword},        {IDC_CHK_PASS_HOTKEY, settings::kPassHotkey},
    {IDC_CHK_PASS_STEALTH, settings::kPassStealth}, {IDC_CHK_HOTKEY_HIDE, settings::kHotkeyHide},
    {IDC_CHK_HOTKEY_SHOW, settings::kHotkeyShow},
};

}  // namespace

bool OptionsDialog::Create(HWND owner) {
    EnsureSkinLabelClass();
    return CreateModeless(IDD_OPTIONS, owner);
}

bool OptionsDialog::IsChecked(int id) const {
    return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
}

void OptionsDialog::SetChecked(int id, bool checked) {
    if (IsChecked(id) == checked) {
        return;
    }
    ::CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    if (id == IDC_CHK_STEALTH || id == IDC_CHK_STEALTH_MIN) {
        OnStealthBoxChanged(id);
    }
}

void OptionsDialog::LoadOptions() {
    m_loading = true;
    SetChecked(IDC_CHK_STARTUP, ReadsAsOne(m_settings.Read(settings::kStartup, settings::kOff)));
    m_stealthWarning.Suppress();
    const auto stealth =
        GetMachineSetting(m_machine, m_productInfo.companyName, m_productInfo.productName,
                          settings::kSection, settings::kStealth, settings::kOff);
    // An unreadable value was reported at start; here it reads as off.
    SetChecked(IDC_CHK_STEALTH, !stealth.error && ReadsAsOne(stealth.value));
    m_stealthWarning.Suppress();
    SetChecked(IDC_CHK_STEALTH_MIN,
               ReadsAsOne(m_settings.Read(settings::kStealthMin, settings::kOff)));
    for (const auto& box : kLaterBoxes) {
        SetChecked(box.id, ReadsAsOne(m_settings.Read(box.key, settings::kOff)));
    }
    for (const int id : {IDC_TXT_PASS1, IDC_TXT_PASS2}) {
        ::SendDlgItemMessageW(Handle(), id, EM_SETPASSWORDCHAR, L'*', 0);
        ::SetDlgItemTextW(Handle(), id, m_passwords.IsSet() ? kPasswordPlaceholder : L"");
    }
    m_stealthWarning.Release();
    m_passwordEdited = false;
    m_loading = false;
}

void OptionsDialog::OnStealthBoxChanged(int id) {
    MessageBoxPrompter prompter(Handle());
    if (!m_stealthWarning.OnStealthBoxChanged(m_settings, prompter, m_programFolder)) {
        SetChecked(id, false);
    }
}

void OptionsDialog::OnOk() {
    const std::wstring first = TextOfWindow(::GetDlgItem(Handle(), IDC_TXT_PASS1));
    const std::wstring second = TextOfWindow(::GetDlgItem(Handle(), IDC_TXT_PASS2));
    if (first != second) {
        MessageBoxPrompter(Handle()).Ask(
            "Your passwords do not match.  Please reenter your password.", m_appTitle,
            PromptButtons::Ok, PromptIcon::None);
        return;
    }
    // Untouched boxes keep the password; both cleared remove it. A legacy password is
    // replaced by its hash whenever the boxes hold a real one. The hash is made first: if the
    // system cannot make it, nothing at all is saved and the dialog stays open.
    const PasswordChange passwordChange = m_passwordEdited && first != kPasswordPlaceholder
                                              ? m_passwords.PlanReplace(Narrow(first))
                                              : m_passwords.PlanUpgrade();
    if (passwordChange.kind == PasswordChange::Kind::Failed) {
        MessageBoxPrompter(Handle()).Ask(
            "The options could not be saved, because the password could not be protected:\r\n\r\n" +
                passwordChange.failure + "\r\n\r\nNothing has been changed.",
            "Error", PromptButtons::Ok, PromptIcon::Error);
        return;
    }
    const auto state = [&](int id) { return IsChecked(id) ? settings::kOn : settings::kOff; };
    m_settings.Write(settings::kStartup, state(IDC_CHK_STARTUP));
    ApplyStartWithWindows(IsChecked(IDC_CHK_STARTUP), Widen(m_productInfo.productName));
    MessageBoxPrompter prompter(Handle());
    SaveMachineSetting(m_machine, m_settings, prompter, m_productInfo.companyName,
                       m_productInfo.productName, settings::kSection, settings::kStealth,
                       state(IDC_CHK_STEALTH));
    m_settings.Write(settings::kStealthMin, state(IDC_CHK_STEALTH_MIN));
    for (const auto& box : kLaterBoxes) {
        m_settings.Write(box.key, state(box.id));
    }
    m_passwords.Apply(passwordChange);
    Destroy();
}

INT_PTR OptionsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            if (m_productInfo.skinEnabled) {
                SkinForm(Handle());
            }
            CenterOnOwner(Handle());
            LoadOptions();
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if ((id == IDC_TXT_PASS1 || id == IDC_TXT_PASS2) && code == EN_CHANGE && !m_loading) {
                m_passwordEdited = true;
                return TRUE;
            }
            if ((id == IDC_CHK_STEALTH || id == IDC_CHK_STEALTH_MIN) && code == BN_CLICKED) {
                OnStealthBoxChanged(id);
                return TRUE;
            }
            if (id == IDOK) {
                OnOk();
                return TRUE;
            }
            if (id == IDCANCEL) {
                Destroy();
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            Destroy();
            return TRUE;
    }
    return FALSE;
}
