#include "protect/hotkeys.h"

#include <gtest/gtest.h>

#include "tests/support/memory_settings.h"

namespace {

std::uint32_t HotkeyParam(unsigned modifiers, unsigned key) {
    return (key << 16) | modifiers;
}

}  // namespace

TEST(Hotkeys, WordsAreSigned16BitHalves) {
    EXPECT_EQ(LoWord(0x00480007u), 7);
    EXPECT_EQ(HiWord(0x00480007u), 72);
    EXPECT_EQ(LoWord(0x0000FFFFu), -1);
    EXPECT_EQ(HiWord(0x80000000u), -32768);
}

TEST(Hotkeys, EachPressIsDecidedFromTheSettingsOfThatMoment) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> settings;
        std::uint32_t id;
        std::uint32_t lParam;
        HotkeyResponse expected;
    };
    const Case cases[] = {
        {"M, fresh",
         {},
         95,
         HotkeyParam(7, 77),
         {HotkeyCommand::ResumeStart, false, PasswordAction::LeaveStealth}},
        {"M, guarded",
         {{"chkPassStealth", "1"}},
         95,
         HotkeyParam(7, 77),
         {HotkeyCommand::ResumeStart, true, PasswordAction::LeaveStealth}},
        {"H, fresh", {}, 111, HotkeyParam(7, 72), {}},
        {"S, fresh", {}, 127, HotkeyParam(7, 83), {}},
        {"H, enabled",
         {{"chkHotkeyHide", "1"}},
         111,
         HotkeyParam(7, 72),
         {HotkeyCommand::HideAll, false, PasswordAction::HideAll}},
        {"H, enabled and guarded",
         {{"chkHotkeyHide", "1"}, {"chkPassHotkey", "1"}},
         111,
         HotkeyParam(7, 72),
         {HotkeyCommand::HideAll, true, PasswordAction::HideAll}},
        {"H, guarded only", {{"chkPassHotkey", "1"}}, 111, HotkeyParam(7, 72), {}},
        {"S, enabled and guarded",
         {{"chkHotkeyShow", "01"}, {"chkPassHotkey", "1"}},
         127,
         HotkeyParam(7, 83),
         {HotkeyCommand::ShowAll, true, PasswordAction::ShowAll}},
        {"S enabled, H pressed", {{"chkHotkeyShow", "1"}}, 111, HotkeyParam(7, 72), {}},
        {"H with the Windows key too", {{"chkHotkeyHide", "1"}}, 111, HotkeyParam(15, 72), {}},
        {"H without Shift", {{"chkHotkeyHide", "1"}}, 111, HotkeyParam(3, 72), {}},
        {"H under the wrong identifier", {{"chkHotkeyHide", "1"}}, 127, HotkeyParam(7, 72), {}},
    };
    for (const auto& c : cases) {
        MemorySettings settings;
        for (const auto& [key, value] : c.settings) {
            settings.Write(key, value);
        }
        EXPECT_EQ(RespondToHotkey(c.id, c.lParam, ReadHotkeySwitches(settings)), c.expected)
            << c.name;
    }
}
