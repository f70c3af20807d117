#pragma once
// What the password prompt acts on when the right password is given.

#include <windows.h>

#include "protect/password_action.h"

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
