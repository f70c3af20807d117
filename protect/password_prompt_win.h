#pragma once
// The password prompt, frmPass: modeless, one in the program. The guarded action runs on the
// right password; the caller never waits for it.

#include <string>

#include "platform/dialog_win.h"
#include "protect/password_store.h"
#include "shell/program_host.h"

class PasswordPrompt final : public Dialog {
public:
    PasswordPrompt(PasswordStore& passwords,
                   SettingsStore& settings,
                   ProgramHost& host,
                   const std::string& appTitle,
                   bool skinEnabled)
        : m_passwords(passwords),
          m_settings(settings),
          m_host(host),
          m_appTitle(appTitle),
          m_skinEnabled(skinEnabled) {}

    bool Create();
    // The window to act on and the action; the latest request wins. Action 0 hides the
    // start-up window at once.
    void SetFormToShow(GuardedWindow& form, int action);
    void ShowInFront();

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnOk();
    void OnCancel();

    PasswordStore& m_passwords;
    SettingsStore& m_settings;
    ProgramHost& m_host;
    const std::string& m_appTitle;
    bool m_skinEnabled;
    GuardedWindow* m_form = nullptr;
    int m_action = -1;
    bool m_toldDamaged = false;
};
