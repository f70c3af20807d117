#pragma once
// The product's artwork, drawn at any DPI: a deep teal ground and a folder half under a veil.

#include <windows.h>

#include <string>

#include "present/folder_artwork.h"

inline constexpr COLORREF kArtworkDark = RGB(0x14, 0x30, 0x3A);
inline constexpr COLORREF kArtworkLight = RGB(0x2E, 0x70, 0x7C);
inline constexpr COLORREF kArtworkText = RGB(0xF4, 0xF8, 0xF9);

void DrawArtworkGround(HDC dc, const RECT& area, bool horizontal);
// The folder of the icon, under its veil, 12 units wide and about 10 high from `left`, `top`.
void DrawVeiledFolder(HDC dc, int left, int top, int unit);

// The main window's banner as it shows before (or without) the web banner: the ground with the
// product's name and tagline in `font`.
void DrawBannerArtwork(HDC dc,
                       const RECT& area,
                       const std::wstring& productName,
                       HFONT font,
                       int dpi);

// A folder filling the square `box` (any size): plain, under the veil, or faded (not there).
void DrawFolderIcon(HDC dc, const RECT& box, FolderLook look);
