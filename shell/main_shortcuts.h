#pragma once
// The main window's own keys, looked at before the dialog keys. In the list, Delete removes the
// ticked folders, Space ticks the focused row and Enter opens the selected folder; anywhere in the
// window, Ctrl+A ticks every row, Ctrl+Z puts back what the last Remove took out and F1 opens
// the help.

enum class MainShortcut {
    None,
    RemoveTicked,
    TickAll,
    Help,
    ToggleFocusedRow,
    OpenSelected,
    UndoRemove
};

struct KeyPress {
    unsigned virtualKey = 0;  // the key's Windows virtual-key code
    bool control = false;     // Ctrl held down
    bool inList = false;      // pressed in the folder list
};

MainShortcut ShortcutFor(const KeyPress& key);
