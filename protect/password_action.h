#pragma once
// What the password prompt does once the right password is given: go on with the start, leave
// stealth mode, hide every folder or show every folder. The numbers are the prompt's action
// codes.

enum class PasswordAction {
    ContinueStartup = 0,
    LeaveStealth = 1,
    HideAll = 2,
    ShowAll = 3,
};
