#pragma once
// What the windows ask of the program as a whole.

#include <windows.h>

#include "protect/guarded_window.h"

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
