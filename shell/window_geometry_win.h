#pragma once
// The main window's size, place and maximised state, kept in the per-user settings from one
// run to the next.

#include <windows.h>

#include "protect/settings_store.h"

// Puts the hidden window where the last run left it. True when it was left maximised; false
// also when nothing was kept (the window keeps the size and place it was made with).
bool RestoreWindowGeometry(HWND window, const SettingsStore& settings);

// Keeps the window's normal size and place, and whether it is maximised (or minimised from
// maximised).
void SaveWindowGeometry(HWND window, SettingsStore& settings);
