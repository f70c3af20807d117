#pragma once

#include <windows.h>

#include "shell/main_menu.h"

HMENU CreateMainMenu();
// The repair items the state offers, as a pop-up menu; the caller destroys it.
HMENU CreateRepairMenu(RepairMenuState state);
// The list's right-click menu: the row commands (Open only for a row that can be opened), then
// the repairs.
HMENU CreateRowMenu(RepairMenuState state, bool anyTicked, bool canOpen);
