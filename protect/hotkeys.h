#pragma once
// The three system-wide hotkeys and what a press of one asks for, decided from the settings as
// they stand at the moment of the press.

#include <cstdint>

#include "protect/password_action.h"
#include "protect/settings_store.h"

struct HotkeyDefinition {
    int id;
    unsigned modifiers;  // MOD_ALT | MOD_CONTROL | MOD_SHIFT
    unsigned key;        // virtual-key code
};

inline constexpr unsigned kCtrlShiftAlt = 7;
inline constexpr HotkeyDefinition kLeaveStealthHotkey{95, kCtrlShiftAlt, 77};  // M
inline constexpr HotkeyDefinition kHideAllHotkey{111, kCtrlShiftAlt, 72};      // H
inline constexpr HotkeyDefinition kShowAllHotkey{127, kCtrlShiftAlt, 83};      // S
// Registered in this order.
inline constexpr HotkeyDefinition kHotkeys[] = {kLeaveStealthHotkey, kHideAllHotkey,
                                                kShowAllHotkey};

// The low and high 16 bits of a message parameter, each as a signed 16-bit number.
std::int16_t LoWord(std::uint32_t value);
std::int16_t HiWord(std::uint32_t value);

enum class HotkeyCommand { None, ResumeStart, HideAll, ShowAll };

struct HotkeyResponse {
    HotkeyCommand command = HotkeyCommand::None;
    bool askPassword = false;  // run it behind the password prompt
    PasswordAction passwordAction = PasswordAction::ContinueStartup;

    friend bool operator==(const HotkeyResponse&, const HotkeyResponse&) = default;
};

// The Options that decide what a hotkey does.
struct HotkeySwitches {
    bool passwordToLeaveStealth = false;  // "chkPassStealth"
    bool hideAllHotkey = false;           // "chkHotkeyHide"
    bool showAllHotkey = false;           // "chkHotkeyShow"
    bool passwordForHotkeys = false;      // "chkPassHotkey"
};

HotkeySwitches ReadHotkeySwitches(const SettingsStore& settings);

// What a WM_HOTKEY message with these parameters asks for.
HotkeyResponse RespondToHotkey(std::uint32_t wParam,
                               std::uint32_t lParam,
                               const HotkeySwitches& switches);
