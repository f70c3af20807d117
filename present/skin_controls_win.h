#pragma once
// The skin's look for buttons, check boxes and group frames: the control keeps its behaviour,
// the skin paints it in its normal, hot, pressed, focused and disabled looks.

#include <windows.h>

#include "present/button_face.h"

class Skin;

// Does nothing for controls the skin has no look for.
void AttachSkinControl(HWND control, const Skin& skin);

// True when the skin paints the control.
bool HasSkinLook(HWND control);

// A picture shown above a button's caption (the browser's navigation buttons). The button does
// not own it.
void SetButtonPicture(HWND button, HICON picture);

// Where the skin draws a push button's picture and caption as the button is now (its size, font,
// caption and picture) on a screen of `dpi`.
ButtonFace SkinnedButtonFace(HWND button, int dpi);
