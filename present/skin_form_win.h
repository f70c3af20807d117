#pragma once
// Skinning a window of the program: its controls recoloured, its plain labels covered by skin
// labels, its frame and controls given the skin's look.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The kind of control, by the names the skin's rules use ("CommandButton", "TextBox", "Label",
// "PictureBox" ...). Unknown kinds give their window class name.
std::string ControlTypeName(HWND control);

// The colours ColorControls gave a control; nothing where it gave none.
std::optional<COLORREF> ControlBackColor(HWND control);
std::optional<COLORREF> ControlForeColor(HWND control);

// Every control of the window, nested ones included, in the window's order.
std::vector<HWND> ControlsOf(HWND window);

// Skins the window with the program's skin. Does nothing before there is one.
void SkinForm(HWND window);

void ColorControls(HWND window,
                   std::uint32_t backColour,
                   std::uint32_t textColour,
                   std::uint32_t panelColour);

// Covers each plain label that shares the template skin label's container with a new skin label
// of the same place, size, font, caption and visibility. The window must carry the template.
void ReplaceLabels(HWND window);

// The hidden template skin label ("Windowed Label") a window carries for ReplaceLabels; new
// labels take the identifiers after it. `rect` is in the container's client pixels.
HWND CreateSkinLabelTemplate(HWND container, const RECT& rect);
inline constexpr int kSkinLabelTemplateId = 0x7000;
