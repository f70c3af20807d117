#pragma once
// Every setting's key and default. Check-box options hold "0" or "1".

#include <string_view>

namespace settings {

inline constexpr std::string_view kSection = "Settings";

inline constexpr std::string_view kStartup = "chkStartup";
inline constexpr std::string_view kStealth = "chkStealth";  // in the machine store
inline constexpr std::string_view kStealthMin = "chkStealthMin";
inline constexpr std::string_view kPassword = "chkPassword";
inline constexpr std::string_view kPassHotkey = "chkPassHotkey";
inline constexpr std::string_view kPassStealth = "chkPassStealth";
inline constexpr std::string_view kHotkeyHide = "chkHotkeyHide";
inline constexpr std::string_view kHotkeyShow = "chkHotkeyShow";
inline constexpr std::string_view kLegacyPassword = "crpw";  // the old, reversible form
inline constexpr std::string_view kPasswordHash = "pwhash";  // salted PBKDF2 hash
inline constexpr std::string_view kStealthWarning = "stealthWarning";
inline constexpr std::string_view kShowHelp = "showHelp";
inline constexpr std::string_view kTypedPassword = "txtPassword";
inline constexpr std::string_view kIgnorePermissionDenied = "IgnorePermissionDeniedError";

inline constexpr std::string_view kOff = "0";
inline constexpr std::string_view kOn = "1";

}  // namespace settings
