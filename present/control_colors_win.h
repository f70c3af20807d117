#pragma once
// The colours the skin gives a window's controls, kept on each control, and the names by which
// the skin's rules know the kinds of control.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "present/skin_rules.h"

// The window's class name.
std::wstring WindowClassOf(HWND window);

// The kind of control as the skin's rules know it; Other for any they do not.
ControlKind KindOfControl(HWND control);

// The colours ColorControls gave a control; nothing where it gave none.
std::optional<COLORREF> ControlBackColor(HWND control);
std::optional<COLORREF> ControlForeColor(HWND control);

// Every control of the window, nested ones included, in the window's order.
std::vector<HWND> ControlsOf(HWND window);

void ColorControls(HWND window,
                   std::uint32_t backColour,
                   std::uint32_t textColour,
                   std::uint32_t panelColour);
