#pragma once
// The skin's window frame: its own border, caption bar with system, minimise, maximise and
// close buttons, and menu bar, drawn and hit-tested in place of the system's.

#include <windows.h>

class Skin;

// Takes over the window's frame. The client area keeps its size.
void AttachSkinFrame(HWND window, const Skin& skin);

// True when the window wears the skin's frame.
bool HasSkinFrame(HWND window);
