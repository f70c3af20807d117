#pragma once
// Puts a window above every other window, or back among the others.

#include <windows.h>

inline void SetOnTop(HWND window, bool onTop) {
    ::SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}
