#pragma once
// What the windows ask of the program as a whole, in three small parts.

#include <windows.h>

#include "protect/guarded_window.h"

// The program's other windows, opened on request.
class WindowLauncher {
public:
    virtual ~WindowLauncher() = default;
    virtual void OpenOptions() = 0;
    // Opens the About window, or brings the open one to the front.
    virtual void OpenAbout() = 0;
    // Opens Help.chm through the shell, and remembers in the machine store that it was opened.
    virtual void RunHelp(HWND owner) = 0;
    // Opens the browser window on the website, or brings the open one up again.
    virtual void OpenWebsite() = 0;
};

// The one password prompt.
class PasswordGate {
public:
    virtual ~PasswordGate() = default;
    // Opens (or re-targets) the prompt; the action runs on the right password.
    virtual void AskPassword(GuardedWindow& target, PasswordAction action) = 0;
};

// How the program ends.
class ProgramLifetime {
public:
    virtual ~ProgramLifetime() = default;
    // True while the browser window is open and visible: it then outlives the main window.
    virtual bool BrowserShowing() const = 0;
    // The main window is closing: the other windows close.
    virtual void MainWindowClosing() = 0;
    // The main window has gone: the program ends, or, while the browser window shows, ends
    // when that closes.
    virtual void MainWindowGone() = 0;
    // Stops the skin engine, closes the browser window and ends the program.
    virtual void EndProgram() = 0;
};

// All three, as the application gives them to the main window.
class ProgramHost : public WindowLauncher, public PasswordGate, public ProgramLifetime {};
