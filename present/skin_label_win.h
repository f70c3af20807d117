#pragma once
// The skin label: a windowed label that draws its caption in the colours its window gives
// static text (the skin's, on a skinned window).

#include <windows.h>

#include <string>

inline constexpr wchar_t kSkinLabelClass[] = L"MurkwellSkinLabel";

// Registers the class once; dialog templates that name it need it first.
void EnsureSkinLabelClass();

HWND CreateSkinLabel(HWND container,
                     int id,
                     const std::wstring& caption,
                     const RECT& rect,
                     bool visible,
                     HFONT font);
