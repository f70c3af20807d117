#include "platform/held_back_prompter.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_prompter.h"

namespace {

TEST(HeldBackPrompterTest, NothingIsShownUntilToldAndThenEachMessageOnceInOrder) {
    HeldBackPrompter held(PromptAnswer::Yes, "Murkwell");
    EXPECT_EQ(held.Ask("Load the backup copy?", "Murkwell Demo", PromptButtons::YesNo,
                       PromptIcon::Question),
              PromptAnswer::Yes);
    EXPECT_EQ(held.Ask("The backup was loaded.", "Murkwell Demo", PromptButtons::Ok,
                       PromptIcon::Information),
              PromptAnswer::Ok);
    EXPECT_EQ(held.Ask("Go on?", "Murkwell Demo", PromptButtons::OkCancel, PromptIcon::None),
              PromptAnswer::Cancel);
    EXPECT_TRUE(held.HoldsAny());

    ScriptedPrompter later;
    held.TellHeldBack(later);
    ASSERT_EQ(later.shown.size(), 3u);
    EXPECT_EQ(later.shown[0].text,
              "Load the backup copy?\r\n\r\nMurkwell started in stealth mode, so this was "
              "answered Yes.");
    EXPECT_EQ(later.shown[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(later.shown[0].icon, PromptIcon::Information);
    EXPECT_EQ(later.shown[1].text, "The backup was loaded.");
    EXPECT_EQ(later.shown[1].title, "Murkwell Demo");
    EXPECT_EQ(later.shown[2].text, "Go on?");
    for (const auto& shown : later.shown) {
        EXPECT_EQ(shown.buttons, PromptButtons::Ok);
    }

    EXPECT_FALSE(held.HoldsAny());
    held.TellHeldBack(later);
    EXPECT_EQ(later.shown.size(), 3u);  // each once
}

}  // namespace
