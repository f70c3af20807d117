#pragma once
// What the windows ask of the program as a whole.

#include <windows.h>

// A window on which a password-guarded action runs: the start-up window (action 0) or the main
// window (actions 1 to 3).
class GuardedWindow {
public:
    virtual ~GuardedWindow() = default;
    virtual HWND WindowHandle() const = 0;
    virtual void ResumeStart() = 0;
    virtual void HideAll() {}
    virtual void ShowAll() {}
};

enum PasswordAction : int {
    kContinueStartup = 0,
    kLeaveStealth = 1,
    kHideAll = 2,
    kShowAll = 3,
};

class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual void OpenOptions() = 0;
    // Opens the About window, or brings the open one to the front.
    virtual void OpenAbout() = 0;
    // Opens (or re-targets) the one password prompt; the action runs on the right password.
    virtual void AskPassword(GuardedWindow& target, int action) = 0;
    // Opens Help.chm through the shell, and remembers in the machine store that it was opened.
    virtual void RunHelp(HWND owner) = 0;
    // Opens the browser window on the website, or brings the open one up again.
    virtual void OpenWebsite() = 0;
    // True while the browser window is open and visible.
    virtual bool BrowserShowing() const = 0;
    // The main window is closing: the other windows close.
    virtual void MainWindowClosing() = 0;
    // Stops the skin engine, closes the browser window and ends the program.
    virtual void EndProgram() = 0;
};
