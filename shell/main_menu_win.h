#pragma once

#include <windows.h>

#include "shell/main_menu.h"

HMENU CreateMainMenu();
// The repair items the state offers, as a pop-up menu; the caller destroys it.
HMENU CreateRepairMenu(RepairMenuState state);
