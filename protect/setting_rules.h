#pragma once
// How setting texts are read.

#include <string_view>

// A check-box option is on only when its text reads as the whole number 1: blanks around it
// and leading zeros or a plus sign are allowed ("1", " 1", "01", "+1"); anything else is off
// ("0", "2", "1.0", "1x", "abc", "").
bool ReadsAsOne(std::string_view text);

enum class StartupMode {
    Stealth,         // no window, no password
    BehindPassword,  // the password prompt first
    Normal,
};

// Stealth overrides the start-up password.
StartupMode DecideStartup(std::string_view stealthSetting, std::string_view passwordSetting);
