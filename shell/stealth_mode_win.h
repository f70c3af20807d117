#pragma once
// Stealth mode and the program's global hotkeys: the main window out of sight and out of the
// task list, and the keys that bring it back.

#include <windows.h>

#include <string>

#include "platform/prompter.h"
#include "protect/app_hider.h"
#include "protect/stealth_platform_win.h"

class StealthMode {
public:
    // `appTitle` is the program's title, which the task list shows (cleared while hidden).
    StealthMode(Prompter& prompter, std::string& appTitle)
        : m_prompter(prompter), m_appTitle(appTitle), m_appHider(m_platform, appTitle) {}

    // The program's hotkeys, for `window`. Whether the way back (CTRL+SHIFT+ALT+M) could be
    // registered decides whether stealth mode may be entered.
    void RegisterHotkeys(HWND window);
    void UnregisterHotkeys(HWND window);

    // Hides `window` and takes the program out of the task list. False, with a word once a run,
    // when another program holds CTRL+SHIFT+ALT+M: there would be no way back.
    bool Enter(HWND window, const std::string& productName);
    // Puts the program back in the task list under its title.
    void Leave();

private:
    Prompter& m_prompter;
    std::string& m_appTitle;
    Win32StealthPlatform m_platform;
    AppHider m_appHider;
    bool m_leaveKeyRegistered = false;
    bool m_toldKeyTaken = false;
};
