#pragma once
// The program's skin: its colours and the look it gives a window (frame, caption bar, menu bar,
// buttons, check boxes, labels). The skin is data built into the program; the start-up window
// holds the one the whole program uses.

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>

#include "platform/unique_resource_win.h"
#include "present/skin_rules.h"

struct SkinPalette {
    COLORREF captionActive;
    COLORREF captionActiveEnd;  // the caption bar is a gradient, left to right
    COLORREF captionInactive;
    COLORREF captionText;
    COLORREF captionTextInactive;
    COLORREF captionButtonHot;
    COLORREF captionButtonPressed;
    COLORREF closeHot;
    COLORREF closePressed;
    COLORREF face;  // window background
    COLORREF menuBar;
    COLORREF menuBarLine;
    COLORREF menuText;
    COLORREF menuHot;
    COLORREF menuOpen;
    COLORREF controlBack;  // colour 2: buttons and list-like controls
    COLORREF listText;     // colour 3
    COLORREF panel;        // colour 4: picture boxes
    COLORREF text;         // labels, check boxes, button captions
    COLORREF skinLabelText;
    COLORREF border;
    COLORREF hot;
    COLORREF pressed;
    COLORREF accent;
    COLORREF accentText;
    COLORREF disabledBack;
    COLORREF disabledText;
    COLORREF disabledBorder;
};

class Skin {
public:
    explicit Skin(const SkinPalette& palette) : m_palette(palette) {}
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // The colour the windows ask for by number: 2 (buttons and lists), 3 (list text), 4
    // (picture boxes). Nothing for any other number.
    std::optional<std::uint32_t> Colour(int property) const;

    // Under high contrast, the system's colours in the skin's places.
    const SkinPalette& Palette() const;
    // A solid brush of the colour, kept for the skin's life.
    HBRUSH Brush(COLORREF colour) const;

private:
    SkinPalette m_palette;
    mutable SkinPalette m_systemPalette{};  // read again at each use while high contrast is on
    mutable std::map<COLORREF, UniqueBrush> m_brushes;  // made on first use, kept for the run
};

// The skin built into the program.
const SkinPalette& BuiltInSkinPalette();
// The system's colours now, each in the place of the skin's nearest to its use.
SkinPalette SystemColourPalette();

// The skin every window is skinned with; set once the start-up window holds it.
extern const Skin* gSkin;
