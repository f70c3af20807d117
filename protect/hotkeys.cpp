#include "protect/hotkeys.h"

#include "protect/setting_rules.h"
#include "protect/settings_keys.h"

namespace {

bool Matches(const HotkeyDefinition& hotkey, std::uint32_t wParam, std::uint32_t lParam) {
    return HiWord(lParam) == static_cast<std::int16_t>(hotkey.key) &&
           LoWord(lParam) == static_cast<std::int16_t>(hotkey.modifiers) &&
           wParam == static_cast<std::uint32_t>(hotkey.id);
}

bool IsOn(const SettingsStore& settings, std::string_view key) {
    return ReadsAsOne(settings.Read(key, settings::kOff));
}

}  // namespace

std::int16_t LoWord(std::uint32_t value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}

std::int16_t HiWord(std::uint32_t value) {
    return static_cast<std::int16_t>(value >> 16);
}

HotkeySwitches ReadHotkeySwitches(const SettingsStore& settings) {
    return {IsOn(settings, settings::kPassStealth), IsOn(settings, settings::kHotkeyHide),
            IsOn(settings, settings::kHotkeyShow), IsOn(settings, settings::kPassHotkey)};
}

HotkeyResponse RespondToHotkey(std::uint32_t wParam,
                               std::uint32_t lParam,
                               const HotkeySwitches& switches) {
    if (Matches(kLeaveStealthHotkey, wParam, lParam)) {
        return {HotkeyCommand::ResumeStart, switches.passwordToLeaveStealth,
                PasswordAction::LeaveStealth};
    }
    if (Matches(kHideAllHotkey, wParam, lParam) && switches.hideAllHotkey) {
        return {HotkeyCommand::HideAll, switches.passwordForHotkeys, PasswordAction::HideAll};
    }
    if (Matches(kShowAllHotkey, wParam, lParam) && switches.showAllHotkey) {
        return {HotkeyCommand::ShowAll, switches.passwordForHotkeys, PasswordAction::ShowAll};
    }
    return {};
}
