#include "present/skin_win.h"

#include "present/high_contrast_win.h"

const Skin* gSkin = nullptr;

namespace {

// The skin's look: a deep teal caption bar, as on the product's artwork, over a light, cool grey
// window with white controls and a teal accent.
constexpr SkinPalette kMurkwellSkin{
    /* captionActive */ RGB(0x14, 0x30, 0x3A),
    /* captionActiveEnd */ RGB(0x24, 0x58, 0x63),
    /* captionInactive */ RGB(0x5B, 0x6E, 0x74),
    /* captionText */ RGB(0xF4, 0xF8, 0xF9),
    /* captionTextInactive */ RGB(0xD0, 0xD9, 0xDC),
    /* captionButtonHot */ RGB(0x2E, 0x70, 0x7C),
    /* captionButtonPressed */ RGB(0x0B, 0x1F, 0x26),
    /* closeHot */ RGB(0xC4, 0x2B, 0x1C),
    /* closePressed */ RGB(0x94, 0x1F, 0x14),
    /* face */ RGB(0xF1, 0xF5, 0xF6),
    /* menuBar */ RGB(0xE4, 0xEC, 0xEE),
    /* menuBarLine */ RGB(0xC6, 0xD4, 0xD8),
    /* menuText */ RGB(0x1B, 0x2B, 0x31),
    /* menuHot */ RGB(0xCB, 0xE1, 0xE5),
    /* menuOpen */ RGB(0x1F, 0x6F, 0x7D),
    /* controlBack */ RGB(0xFF, 0xFF, 0xFF),
    /* listText */ RGB(0x1B, 0x2B, 0x31),
    /* panel */ RGB(0xDC, 0xE8, 0xEB),
    /* text */ RGB(0x1B, 0x2B, 0x31),
    /* skinLabelText */ RGB(0x16, 0x5A, 0x66),
    /* border */ RGB(0xA7, 0xBC, 0xC2),
    /* hot */ RGB(0xE2, 0xF1, 0xF3),
    /* pressed */ RGB(0xC2, 0xDE, 0xE3),
    /* accent */ RGB(0x1F, 0x6F, 0x7D),
    /* accentText */ RGB(0xFF, 0xFF, 0xFF),
    /* disabledBack */ RGB(0xEA, 0xEE, 0xEF),
    /* disabledText */ RGB(0x98, 0xA5, 0xA9),
    /* disabledBorder */ RGB(0xD2, 0xDA, 0xDC),
};

}  // namespace

const SkinPalette& BuiltInSkinPalette() {
    return kMurkwellSkin;
}

SkinPalette SystemColourPalette() {
    const auto system = [](int index) { return ::GetSysColor(index); };
    SkinPalette palette{};
    palette.captionActive = palette.captionActiveEnd = system(COLOR_ACTIVECAPTION);
    palette.captionInactive = system(COLOR_INACTIVECAPTION);
    palette.captionText = system(COLOR_CAPTIONTEXT);
    palette.captionTextInactive = system(COLOR_INACTIVECAPTIONTEXT);
    palette.captionButtonHot = palette.captionButtonPressed = system(COLOR_HIGHLIGHT);
    palette.closeHot = palette.closePressed = system(COLOR_HIGHLIGHT);
    palette.face = system(COLOR_BTNFACE);
    palette.menuBar = system(COLOR_MENU);
    palette.menuBarLine = system(COLOR_MENUTEXT);
    palette.menuText = system(COLOR_MENUTEXT);
    palette.menuHot = palette.menuOpen = system(COLOR_HIGHLIGHT);
    palette.controlBack = system(COLOR_BTNFACE);
    palette.listText = system(COLOR_WINDOWTEXT);
    palette.panel = system(COLOR_BTNFACE);
    palette.text = palette.skinLabelText = system(COLOR_BTNTEXT);
    // Edges in the text's colour: a theme's frame colour may be the face's own.
    palette.border = system(COLOR_BTNTEXT);
    palette.hot = palette.pressed = system(COLOR_BTNFACE);
    palette.accent = system(COLOR_HIGHLIGHT);
    palette.accentText = system(COLOR_HIGHLIGHTTEXT);
    palette.disabledBack = system(COLOR_BTNFACE);
    palette.disabledText = palette.disabledBorder = system(COLOR_GRAYTEXT);
    return palette;
}

const SkinPalette& Skin::Palette() const {
    if (HighContrastOn()) {
        m_systemPalette = SystemColourPalette();
        return m_systemPalette;
    }
    return m_palette;
}

std::optional<std::uint32_t> Skin::Colour(int property) const {
    switch (property) {
        case 2:
            // Lists and boxes: the window colours under high contrast.
            return HighContrastOn() ? ::GetSysColor(COLOR_WINDOW) : m_palette.controlBack;
        case 3:
            return HighContrastOn() ? ::GetSysColor(COLOR_WINDOWTEXT) : m_palette.listText;
        case 4:
            return HighContrastOn() ? ::GetSysColor(COLOR_BTNFACE) : m_palette.panel;
        default:
            return std::nullopt;
    }
}

HBRUSH Skin::Brush(COLORREF colour) const {
    auto& brush = m_brushes[colour];
    if (!brush) {
        brush.Reset(::CreateSolidBrush(colour));
    }
    return brush.Get();
}
