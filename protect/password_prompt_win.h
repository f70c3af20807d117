#pragma once
// The password prompt: modeless, one in the program. The guarded action runs on the
// right password; the caller never waits for it.

#include <functional>
#include <string>

#include "platform/dialog_win.h"
#include "protect/guarded_window.h"
#include "protect/password_store.h"

class PasswordPrompt final : public Dialog {
public:
    // `endProgram` runs when the prompt that guards the start is cancelled.
    PasswordPrompt(PasswordStore& passwords,
                   SettingsStore& settings,
                   std::function<void()> endProgram,
                   const std::string& appTitle,
                   bool skinEnabled)
        : m_passwords(passwords),
          m_settings(settings),
          m_endProgram(std::move(endProgram)),
          m_appTitle(appTitle),
          m_skinEnabled(skinEnabled) {}

    bool Create();
    // The window to act on and the action; the latest request wins. Action 0 hides the
    // start-up window at once.
    void SetFormToShow(GuardedWindow& form, PasswordAction action);
    void ShowInFront();

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnOk();
    void OnCancel();

    PasswordStore& m_passwords;
    SettingsStore& m_settings;
    std::function<void()> m_endProgram;
    const std::string& m_appTitle;
    bool m_skinEnabled;
    GuardedWindow* m_form = nullptr;
    PasswordAction m_action = PasswordAction::ContinueStartup;
    bool m_toldDamaged = false;
};
