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

HotkeyResponse RespondToHotkey(std::uint32_t wParam,
                               std::uint32_t lParam,
                               const SettingsStore& settings) {
    if (Matches(kLeaveStealthHotkey, wParam, lParam)) {
        return {HotkeyCommand::ResumeStart, IsOn(settings, settings::kPassStealth),
                PasswordAction::LeaveStealth};
    }
    if (Matches(kHideAllHotkey, wParam, lParam) && IsOn(settings, settings::kHotkeyHide)) {
        return {HotkeyCommand::HideAll, IsOn(settings, settings::kPassHotkey),
                PasswordAction::HideAll};
    }
    if (Matches(kShowAllHotkey, wParam, lParam) && IsOn(settings, settings::kHotkeyShow)) {
        return {HotkeyCommand::ShowAll, IsOn(settings, settings::kPassHotkey),
                PasswordAction::ShowAll};
    }
    return {};
}
