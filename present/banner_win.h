#pragma once
// The web banner of the main window: the web view placed in a picture box a margin narrower
// than itself, so that its right-hand strip (where a scroll bar would be) is cut off.

#include <windows.h>

#include <string>

#include "present/banner_rules.h"

class WebView;

// `banner` is the window's web view, `picture` the picture shown in its place until now.
// Returns the new picture box, "picBox", which lives as long as the window.
HWND ShowBanner(HWND window,
                WebView& banner,
                HWND picture,
                const std::wstring& bannerAddress,
                ScaleMode scaleMode,
                int dpi);

inline constexpr int IDC_PIC_BOX = 113;
