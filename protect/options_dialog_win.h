#pragma once
// The options dialog, frmOptions: every option, the password with its confirmation, and
// starting with Windows. Options are written only by Ok.

#include <string>

#include "platform/dialog_win.h"
#include "present/product_info.h"
#include "protect/machine_store.h"
#include "protect/password_store.h"
#include "protect/stealth_warning.h"

class OptionsDialog final : public Dialog {
public:
    OptionsDialog(SettingsStore& settings,
                  MachineRegistry& machine,
                  PasswordStore& passwords,
                  const ProductInfo& productInfo,
                  const std::string& programFolder,
                  const std::string& appTitle)
        : m_settings(settings),
          m_machine(machine),
          m_passwords(passwords),
          m_productInfo(productInfo),
          m_programFolder(programFolder),
          m_appTitle(appTitle) {}

    bool Create(HWND owner);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadOptions();
    bool IsChecked(int id) const;
    // Sets a check box as the program; a stealth box's change is seen as its click is.
    void SetChecked(int id, bool checked);
    void OnStealthBoxChanged(int id);
    void OnOk();

    SettingsStore& m_settings;
    MachineRegistry& m_machine;
    PasswordStore& m_passwords;
    const ProductInfo& m_productInfo;
    const std::string& m_programFolder;
    const std::string& m_appTitle;
    StealthWarningGate m_stealthWarning;
    bool m_loading = false;
    bool m_passwordEdited = false;
};

// Shown in both password boxes when a password is set; the password itself is never shown.
inline constexpr wchar_t kPasswordPlaceholder[] =
    L"\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022";
