// The skin as the screen shows it: what a high-contrast theme and the keyboard's focus look like.
// Read from the screen, so these run alone.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <map>

#include "present/high_contrast_win.h"
#include "present/skin_form_win.h"
#include "present/skin_win.h"
#include "tests/win/skin_test_support.h"
#include "tests/win/window_test_support.h"

namespace {

// A high-contrast theme's colours (white on black, as Windows' "High Contrast Black"), set for
// the session and given back afterwards.
class HighContrastPalette {
public:
    HighContrastPalette() {
        for (std::size_t i = 0; i < std::size(kElements); ++i) {
            m_before[i] = ::GetSysColor(kElements[i]);
        }
        ::SetSysColors(static_cast<int>(std::size(kElements)), kElements, kColours);
    }
    ~HighContrastPalette() {
        ::SetSysColors(static_cast<int>(std::size(kElements)), kElements, m_before);
    }
    HighContrastPalette(const HighContrastPalette&) = delete;
    HighContrastPalette& operator=(const HighContrastPalette&) = delete;

private:
    static constexpr INT kElements[] = {
        COLOR_WINDOW,    COLOR_WINDOWTEXT,    COLOR_BTNFACE,       COLOR_BTNTEXT,
        COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_ACTIVECAPTION, COLOR_CAPTIONTEXT,
        COLOR_GRAYTEXT,  COLOR_MENU,          COLOR_MENUTEXT,      COLOR_INACTIVECAPTION};
    static constexpr COLORREF kColours[] = {
        RGB(0, 0, 0),      RGB(255, 255, 255), RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(26, 235, 255), RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(255, 255, 255),
        RGB(63, 242, 63),  RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 128, 0)};
    COLORREF m_before[std::size(kElements)] = {};
};

// The colour most of the rectangle (screen pixels) shows.
COLORREF CommonColourIn(const RECT& rect) {
    const HDC screen = ::GetDC(nullptr);
    std::map<COLORREF, int> counts;
    for (int y = rect.top; y < rect.bottom; y += 2) {
        for (int x = rect.left; x < rect.right; x += 3) {
            ++counts[::GetPixel(screen, x, y) & 0xFFFFFF];
        }
    }
    ::ReleaseDC(nullptr, screen);
    COLORREF common = 0;
    int most = -1;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            common = colour;
            most = count;
        }
    }
    return common;
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

TEST(HighContrast, TheSkinStepsAsideForTheSystemColoursAndComesBack) {
    const Skin skin(BuiltInSkinPalette());
    gSkin = &skin;
    TopWindow window(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    const HWND hwnd = window.Get();
    const HWND button =
        Child(hwnd, WC_BUTTONW, L"Hide", BS_PUSHBUTTON | WS_VISIBLE, 1, {10, 10, 110, 50});
    const HWND list =
        Child(hwnd, WC_LISTVIEWW, L"", LVS_REPORT | WS_VISIBLE | WS_BORDER, 2, {10, 60, 370, 230});
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 300;
    column.pszText = const_cast<wchar_t*>(L"Folder");
    ListView_InsertColumn(list, 0, &column);
    LVITEMW row{};
    row.mask = LVIF_TEXT;
    row.pszText = const_cast<wchar_t*>(L"C:\\Diary");
    ListView_InsertItem(list, &row);

    const HighContrastPalette palette;
    NoteHighContrast(true);
    SkinForm(hwnd);
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages(300);

    const HWND header = ListView_GetHeader(list);
    RECT listArea = ScreenRectOf(list);
    listArea.top = ScreenRectOf(header).bottom + 30;  // below the one row
    ::InflateRect(&listArea, -4, -4);
    RECT caption = ScreenRectOf(hwnd);
    caption.bottom = ScreenRectOf(button).top - 14;
    caption.top += 4;
    caption.left += 40;
    caption.right = caption.left + 80;
    RECT buttonInside = ScreenRectOf(button);
    ::InflateRect(&buttonInside, -6, -6);
    buttonInside.right = buttonInside.left + 12;  // beside the caption's text

    struct Place {
        const char* name;
        RECT area;
        int systemColour;
    };
    const Place places[] = {
        {"list rows", listArea, COLOR_WINDOW},
        {"list header", ScreenRectOf(header), COLOR_BTNFACE},
        {"button", buttonInside, COLOR_BTNFACE},
        {"caption bar", caption, COLOR_ACTIVECAPTION},
    };
    for (const auto& place : places) {
        EXPECT_EQ(CommonColourIn(place.area), ::GetSysColor(place.systemColour)) << place.name;
    }

    // Switched off: the skin's own colours come back without a new window.
    NoteHighContrast(false);
    RecolourForContrast();
    PumpMessages(300);
    EXPECT_EQ(CommonColourIn(listArea), BuiltInSkinPalette().controlBack);
    EXPECT_NE(CommonColourIn(caption), ::GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(CommonColourIn(buttonInside), BuiltInSkinPalette().controlBack);
    gSkin = nullptr;
}

TEST(Skin, TheFocusedButtonHasAMarkTheDefaultAndTheOthersHaveNot) {
    const Skin skin(BuiltInSkinPalette());
    gSkin = &skin;
    TopWindow window(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    const HWND hwnd = window.Get();
    const HWND focused = Child(hwnd, WC_BUTTONW, L"Hide", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP,
                               1, {10, 10, 110, 50});
    const HWND plain = Child(hwnd, WC_BUTTONW, L"Show", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 2,
                             {120, 10, 220, 50});
    const HWND byDefault = Child(hwnd, WC_BUTTONW, L"Ok",
                                 BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 3, {230, 10, 330, 50});
    SkinForm(hwnd);
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(hwnd);
    ::SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(focused);
    ::InvalidateRect(hwnd, nullptr, TRUE);
    PumpMessages(300);
    ASSERT_EQ(::GetFocus(), focused);

    // Marked pixels (not the button's fill) along the line just inside the edge, away from the
    // caption and the rounded corners.
    const auto marks = [&](HWND button) {
        RECT rect = ScreenRectOf(button);
        const HDC screen = ::GetDC(nullptr);
        int count = 0;
        for (int y = rect.top + 3; y <= rect.top + 6; ++y) {
            for (int x = rect.left + 12; x < rect.right - 12; ++x) {
                count += (::GetPixel(screen, x, y) & 0xFFFFFF) != BuiltInSkinPalette().controlBack;
            }
        }
        ::ReleaseDC(nullptr, screen);
        return count;
    };
    EXPECT_GT(marks(focused), 20);
    EXPECT_EQ(marks(plain), 0);
    EXPECT_EQ(marks(byDefault), 0);
    gSkin = nullptr;
}
