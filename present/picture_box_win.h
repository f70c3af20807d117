#pragma once
// A picture box: a plain panel that can hold other controls. It paints its back colour (the
// skin's panel colour on a skinned window) and passes its children's messages to its window.

#include <windows.h>

inline constexpr wchar_t kPictureBoxClass[] = L"MurkwellPictureBox";

HWND CreatePictureBox(HWND parent, int id, const RECT& rect, bool visible);
