#include "shell/stealth_mode_win.h"

#include "protect/hotkeys.h"

void StealthMode::RegisterHotkeys(HWND window) {
    for (const auto& hotkey : kHotkeys) {
        const bool registered =
            ::RegisterHotKey(window, hotkey.id, hotkey.modifiers, hotkey.key) != FALSE;
        if (hotkey.id == kLeaveStealthHotkey.id) {
            m_leaveKeyRegistered = registered;
        }
    }
}

void StealthMode::UnregisterHotkeys(HWND window) {
    for (const auto& hotkey : kHotkeys) {
        ::UnregisterHotKey(window, hotkey.id);
    }
}

bool StealthMode::Enter(HWND window, const std::string& productName) {
    if (!m_leaveKeyRegistered) {
        if (!m_toldKeyTaken) {
            m_toldKeyTaken = true;  // once a run: every later try would say the same
            m_prompter.Ask(
                "CTRL + SHIFT + ALT + M is already used by another program, so " + productName +
                    " cannot go into stealth mode: there would be no way to bring it back.\r\n\r\n"
                    "The window stays on screen. To use stealth mode, close the program that holds "
                    "CTRL + SHIFT + ALT + M and start " +
                    productName + " again.",
                m_appTitle, PromptButtons::Ok, PromptIcon::Warning);
        }
        return false;
    }
    ::ShowWindow(window, SW_HIDE);
    (void)m_appHider.HideApplication();
    return true;
}

void StealthMode::Leave() {
    (void)m_appHider.ShowApplication(m_appTitle);
}
