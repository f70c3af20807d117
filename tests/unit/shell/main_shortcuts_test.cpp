#include "shell/main_shortcuts.h"

#include <gtest/gtest.h>

TEST(MainShortcuts, KeysActWhereTheyBelong) {
    struct Case {
        KeyPress key;
        MainShortcut expected;
    };
    const Case cases[] = {
        {{0x2E, false, true}, MainShortcut::RemoveTicked},  // Delete in the list
        {{0x2E, false, false}, MainShortcut::None},         // Delete elsewhere: the control's
        {{0x41, true, false}, MainShortcut::TickAll},       // Ctrl+A anywhere
        {{0x41, false, true}, MainShortcut::None},          // a plain A: the list's type-ahead
        {{0x5A, true, false}, MainShortcut::UndoRemove},    // Ctrl+Z anywhere
        {{0x5A, false, true}, MainShortcut::None},          // a plain Z: type-ahead too
        {{0x70, false, false}, MainShortcut::Help},         // F1 anywhere
        {{0x70, true, true}, MainShortcut::Help},
        {{0x20, false, true}, MainShortcut::ToggleFocusedRow},
        {{0x20, false, false}, MainShortcut::None},  // Space presses a focused button
        {{0x0D, false, true}, MainShortcut::OpenSelected},
        {{0x0D, false, false}, MainShortcut::None},  // Enter on a button presses it
        {{0x1B, false, true}, MainShortcut::None},   // Esc is the dialog keys'
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortcutFor(c.key), c.expected)
            << "key " << c.key.virtualKey << (c.key.control ? " with Ctrl" : "")
            << (c.key.inList ? " in the list" : "");
    }
}
