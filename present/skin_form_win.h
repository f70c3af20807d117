#pragma once
// Skinning a window of the program: its controls recoloured, its plain labels covered by skin
// labels, its frame and controls given the skin's look.

#include <windows.h>

class Skin;

// Gives the window the skin's frame and its controls the skin's look. Controls created later
// keep the standard look.
void ApplySkin(HWND window, const Skin& skin);

// Colours the window's controls, then skins it with the program's skin. Does nothing before
// there is one.
void SkinForm(HWND window);

// Covers each plain label that shares the template skin label's container with a new skin label
// of the same place, size, font, caption and visibility. The window must carry the template.
void ReplaceLabels(HWND window);

// The hidden template skin label ("Windowed Label") a window carries for ReplaceLabels; new
// labels take the identifiers after it. `rect` is in the container's client pixels.
HWND CreateSkinLabelTemplate(HWND container, const RECT& rect);
inline constexpr int kSkinLabelTemplateId = 0x7000;
