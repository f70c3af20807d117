#pragma once
// Drawing helpers shared by the windows: their DPI, fonts by point size, gradients.

#include <windows.h>

#include "platform/pixel_rect.h"
#include "platform/unique_resource_win.h"

// The window's DPI where the system tells it per window; the screen's otherwise (also for a
// window not made yet: pass null).
int WindowDpi(HWND hwnd);
// The DPI the user signed in with, which the system's unscaled metrics are given at.
int SystemDpi();

UniqueFont CreateUiFont(const wchar_t* face,
                        int tenthsOfPoint,
                        int weight,
                        int dpi,
                        bool underline = false);

enum class SystemFont { Message, Caption, Menu };
// The font the system uses for that text, sized for `dpi`; a weight of 0 keeps the system's.
UniqueFont CreateSystemFont(SystemFont kind, int dpi, int weight = 0);

void FillGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to, bool horizontal);

void FillSolid(HDC dc, const RECT& area, COLORREF colour);

inline RECT ToRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A length given at 96 DPI, for the window's DPI.
int ScaleToWindow(int value, HWND window);
