#include "shell/main_shortcuts.h"

namespace {

// Windows' virtual-key codes for the keys used.
constexpr unsigned kReturn = 0x0D;
constexpr unsigned kSpace = 0x20;
constexpr unsigned kDelete = 0x2E;
constexpr unsigned kLetterA = 0x41;
constexpr unsigned kLetterZ = 0x5A;
constexpr unsigned kF1 = 0x70;

}  // namespace

MainShortcut ShortcutFor(const KeyPress& key) {
    switch (key.virtualKey) {
        case kDelete:
            return key.inList ? MainShortcut::RemoveTicked : MainShortcut::None;
        case kLetterA:
            return key.control ? MainShortcut::TickAll : MainShortcut::None;
        case kLetterZ:
            return key.control ? MainShortcut::UndoRemove : MainShortcut::None;
        case kF1:
            return MainShortcut::Help;
        case kSpace:
            return key.inList ? MainShortcut::ToggleFocusedRow : MainShortcut::None;
        case kReturn:
            return key.inList ? MainShortcut::OpenSelected : MainShortcut::None;
        default:
            return MainShortcut::None;
    }
}
