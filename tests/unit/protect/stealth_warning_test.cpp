#include "protect/stealth_warning.h"

#include <gtest/gtest.h>

#include "tests/support/memory_settings.h"
#include "tests/support/scripted_prompter.h"

namespace {

// What the options dialog does with a stealth box: a change asks the gate, and a refused
// change unchecks the box, which is itself a change the gate sees.
struct StealthBox {
    bool checked = false;
};

class StealthWarningTest : public ::testing::Test {
protected:
    MemorySettings settings;
    ScriptedPrompter prompter;
    StealthWarningGate gate;
    StealthBox box;

    void Click() {
        box.checked = !box.checked;
        Changed();
    }
    void Changed() {
        if (!gate.OnStealthBoxChanged(settings, prompter, "C:\\Apps\\Murkwell")) {
            if (box.checked) {
                box.checked = false;
                Changed();
            }
        }
    }
};

}  // namespace

TEST_F(StealthWarningTest, CancelUnchecksWithoutASecondWarningAndOkEndsTheWarnings) {
    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    Click();
    EXPECT_FALSE(box.checked);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "WARNING");
    EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompter.shown[0].text, StealthWarningText("C:\\Apps\\Murkwell"));
    EXPECT_FALSE(settings.Has("stealthWarning"));

    Click();  // warned again, and this time accepted
    EXPECT_TRUE(box.checked);
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(settings.Read("stealthWarning", "0"), "1");

    Click();
    Click();
    EXPECT_EQ(prompter.shown.size(), 2u);  // never again, for either box
}

TEST_F(StealthWarningTest, FillingTheDialogNeverWarns) {
    // The dialog sets each stealth box from its setting with the gate suppressed, then releases.
    gate.Suppress();
    box.checked = true;
    Changed();
    gate.Release();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(box.checked);

    // Unchecking by hand then warns.
    prompter.answers = {PromptAnswer::Ok};
    Click();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(box.checked);
}

TEST_F(StealthWarningTest, CancelWhileUncheckingLeavesTheFlagForTheNextChange) {
    box.checked = true;
    prompter.answers = {PromptAnswer::Cancel};
    Click();  // unchecking: the box is already unchecked, no change follows
    EXPECT_FALSE(box.checked);
    EXPECT_TRUE(gate.Suppressing());
    EXPECT_EQ(prompter.shown.size(), 1u);

    Click();  // this change is swallowed: no warning, and the box stays checked
    EXPECT_TRUE(box.checked);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(gate.Suppressing());
}

TEST_F(StealthWarningTest, AnAcceptedWarningIsKeptWhateverTheDialogDoes) {
    settings.Write("STEALTHWARNING", "yes");  // anything but "0" counts as accepted
    Click();
    Click();
    EXPECT_TRUE(prompter.shown.empty());
}
