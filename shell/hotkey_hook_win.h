#pragma once
// The main window's hotkey window procedure, put in front of its own: hotkey messages are
// handled here first, and every message still reaches the window's own procedure.

#include <windows.h>

class HotkeyHandler {
public:
    virtual ~HotkeyHandler() = default;
    virtual void OnHotkey(WPARAM wParam, LPARAM lParam) = 0;
};

void InstallHotkeyHook(HWND window, HotkeyHandler& handler);
// Puts the window's own procedure back; nothing happens when the hook was never installed.
void RemoveHotkeyHook(HWND window);
LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
