// The skin on real windows: control colours, label replacement, the frame and the control
// looks, and the engine's message boxes.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/window_win.h"
#include "present/control_colors_win.h"
#include "present/high_contrast_win.h"
#include "present/picture_box_win.h"
#include "present/skin_controls_win.h"
#include "present/skin_engine_win.h"
#include "present/skin_form_win.h"
#include "present/skin_frame_win.h"
#include "present/skin_label_win.h"
#include "present/skin_win.h"
#include "tests/win/window_test_support.h"

namespace {

HWND Child(HWND parent,
           const wchar_t* className,
           const wchar_t* text,
           DWORD style,
           int id,
           RECT rect) {
    return ::CreateWindowExW(0, className, text, WS_CHILD | style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

class TopWindow {
public:
    explicit TopWindow(DWORD style = WS_OVERLAPPEDWINDOW, HMENU menu = nullptr)
        : m_window(::CreateWindowExW(0,
                                     L"STATIC",
                                     L"Skin test",
                                     style,
                                     50,
                                     50,
                                     400,
                                     300,
                                     nullptr,
                                     menu,
                                     ::GetModuleHandleW(nullptr),
                                     nullptr)) {}
    ~TopWindow() { ::DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

std::vector<HWND> SkinLabelsOf(HWND window) {
    std::vector<HWND> labels;
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (KindOfControl(child) == ControlKind::SkinLabel) {
            labels.push_back(child);
        }
    }
    return labels;
}

}  // namespace

TEST(Skin, ColorControlsSetsColoursByKindOfControl) {
    TopWindow window;
    const HWND parent = window.Get();
    const HWND button = Child(parent, WC_BUTTONW, L"Add", BS_PUSHBUTTON, 1, {0, 0, 80, 24});
    const HWND check = Child(parent, WC_BUTTONW, L"Tick", BS_AUTOCHECKBOX, 2, {0, 30, 80, 20});
    const HWND edit = Child(parent, WC_EDITW, L"", 0, 3, {0, 60, 80, 20});
    const HWND list = Child(parent, WC_LISTVIEWW, L"", LVS_REPORT, 4, {0, 90, 200, 100});
    const HWND label = Child(parent, WC_STATICW, L"Label", 0, 5, {100, 0, 80, 20});
    const HWND picture = CreatePictureBox(parent, 6, {100, 30, 200, 60}, true);
    const HWND status = Child(parent, STATUSCLASSNAMEW, L"", 0, 7, {0, 0, 0, 0});
    const HWND frame = Child(parent, WC_BUTTONW, L"Frame", BS_GROUPBOX, 8, {200, 100, 300, 200});

    constexpr COLORREF back = RGB(1, 2, 3), text = RGB(4, 5, 6), panel = RGB(7, 8, 9);
    ColorControls(parent, back, text, panel);

    struct Expected {
        HWND control;
        std::optional<COLORREF> back, fore;
    };
    const Expected expected[] = {
        {button, back, std::nullopt},  // a button keeps its own text colour
        {check, std::nullopt, std::nullopt},
        {edit, back, text},
        {list, back, text},
        {label, std::nullopt, std::nullopt},
        {picture, panel, std::nullopt},
        {status, std::nullopt, std::nullopt},
        {frame, std::nullopt, std::nullopt},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(std::string(ControlKindName(KindOfControl(e.control))));
        EXPECT_EQ(ControlBackColor(e.control), e.back);
        EXPECT_EQ(ControlForeColor(e.control), e.fore);
    }
    EXPECT_EQ(ListView_GetBkColor(list), back);
    EXPECT_EQ(ListView_GetTextColor(list), text);
}

TEST(Skin, ReplaceLabelsCoversPlainLabelsBesideTheTemplate) {
    TopWindow window;
    const HWND parent = window.Get();
    const HWND templateLabel = CreateSkinLabelTemplate(parent, {0, 250, 40, 260});
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const HWND shown = Child(parent, WC_STATICW, L"Version:", WS_VISIBLE, 10, {10, 10, 110, 30});
    ::SendMessageW(shown, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const HWND hidden = Child(parent, WC_STATICW, L"Later", 0, 11, {10, 40, 110, 60});
    const HWND box = CreatePictureBox(parent, 12, {150, 10, 350, 100}, true);
    const HWND nested = Child(box, WC_STATICW, L"Inside", WS_VISIBLE, 13, {5, 5, 60, 20});
    const HWND existing =
        CreateSkinLabel(parent, 14, L"Already skinned", {10, 70, 110, 90}, true, nullptr);

    ReplaceLabels(parent);

    // The template, the existing skin label and one new label for each plain one beside them.
    const auto labels = SkinLabelsOf(parent);
    ASSERT_EQ(labels.size(), 4u);
    struct Copy {
        HWND plain;
        bool visible;
    };
    for (const Copy& copy : {Copy{shown, true}, Copy{hidden, false}}) {
        HWND match = nullptr;
        for (const HWND label : labels) {
            if (label != templateLabel && label != existing &&
                TextOfWindow(label) == TextOfWindow(copy.plain)) {
                match = label;
            }
        }
        ASSERT_NE(match, nullptr);
        EXPECT_GT(::GetDlgCtrlID(match), kSkinLabelTemplateId);
        const RECT copied = RectIn(match, parent);
        const RECT original = RectIn(copy.plain, parent);
        EXPECT_TRUE(::EqualRect(&copied, &original));
        EXPECT_EQ((::GetWindowLongW(match, GWL_STYLE) & WS_VISIBLE) != 0, copy.visible);
        EXPECT_EQ(::SendMessageW(match, WM_GETFONT, 0, 0),
                  ::SendMessageW(copy.plain, WM_GETFONT, 0, 0));
        // The plain label is left where it was, just under its copy.
        EXPECT_EQ(::GetWindow(match, GW_HWNDNEXT), copy.plain);
    }
    // Showing the hidden plain label later shows only the plain label: the copy stays hidden.
    ::ShowWindow(hidden, SW_SHOW);
    EXPECT_EQ(SkinLabelsOf(parent).size(), 4u);
    EXPECT_TRUE(SkinLabelsOf(box).empty());
    EXPECT_EQ(TextOfWindow(nested), L"Inside");
    EXPECT_FALSE(::GetWindowLongW(templateLabel, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(TextOfWindow(templateLabel), L"Windowed Label");

    // A window with no plain labels gets none.
    TopWindow bare;
    CreateSkinLabelTemplate(bare.Get(), {0, 0, 10, 10});
    Child(bare.Get(), WC_BUTTONW, L"Add", BS_PUSHBUTTON | WS_VISIBLE, 1, {0, 0, 80, 24});
    ReplaceLabels(bare.Get());
    EXPECT_EQ(SkinLabelsOf(bare.Get()).size(), 1u);
}

TEST(Skin, SkinFormGivesTheWindowTheSkinsFrameAndControls) {
    const Skin skin(BuiltInSkinPalette());
    gSkin = &skin;
    const HMENU menu = ::CreateMenu();
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 100, L"E&xit");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    TopWindow window(WS_OVERLAPPEDWINDOW, menu);
    const HWND hwnd = window.Get();
    const HWND button =
        Child(hwnd, WC_BUTTONW, L"Hide", BS_PUSHBUTTON | WS_VISIBLE, 1, {10, 10, 90, 40});
    const HWND check =
        Child(hwnd, WC_BUTTONW, L"Tick", BS_AUTOCHECKBOX | WS_VISIBLE, 2, {10, 50, 90, 70});
    const HWND edit = Child(hwnd, WC_EDITW, L"", WS_VISIBLE, 3, {10, 80, 90, 100});
    RECT clientBefore{};
    ::GetClientRect(hwnd, &clientBefore);

    SkinForm(hwnd);
    gSkin = nullptr;

    EXPECT_TRUE(HasSkinFrame(hwnd));
    EXPECT_FALSE(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION);  // no system caption
    EXPECT_EQ(::GetMenu(hwnd), nullptr);                           // the skin draws the bar
    RECT clientAfter{};
    ::GetClientRect(hwnd, &clientAfter);
    EXPECT_EQ(clientAfter.right, clientBefore.right);
    EXPECT_EQ(clientAfter.bottom, clientBefore.bottom);
    EXPECT_TRUE(HasSkinLook(button));
    EXPECT_TRUE(HasSkinLook(check));
    EXPECT_FALSE(HasSkinLook(edit));
    EXPECT_EQ(ControlBackColor(edit), skin.Colour(2));

    // Where the mouse is, as the system asks: the caption bar, its buttons, the client area.
    RECT outer{};
    ::GetWindowRect(hwnd, &outer);
    POINT client{5, 5};
    ::ClientToScreen(hwnd, &client);
    struct Hit {
        POINT at;
        LRESULT expected;
    };
    const Hit hits[] = {
        {{(outer.left + outer.right) / 2, outer.top + 15}, HTCAPTION},
        {{outer.right - 20, outer.top + 15}, HTCLOSE},
        {{outer.left + 20, outer.top + 15}, HTSYSMENU},
        {{outer.left + 20, client.y - 10}, HTMENU},
        {client, HTCLIENT},
        {{outer.right - 1, outer.bottom - 1}, HTBOTTOMRIGHT},
    };
    for (const auto& hit : hits) {
        EXPECT_EQ(::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(hit.at.x, hit.at.y)),
                  hit.expected)
            << hit.at.x << "," << hit.at.y;
    }
    // The close button closes, through the system command, as the system's would.
    ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(Skin, ColoursAreAskedForByNumber) {
    const Skin skin(BuiltInSkinPalette());
    EXPECT_EQ(skin.Colour(2), BuiltInSkinPalette().controlBack);
    EXPECT_EQ(skin.Colour(3), BuiltInSkinPalette().listText);
    EXPECT_EQ(skin.Colour(4), BuiltInSkinPalette().panel);
    EXPECT_EQ(skin.Colour(1), std::nullopt);
    EXPECT_EQ(skin.Colour(5), std::nullopt);
}

namespace {

struct BoxCheck {
    bool seen = false;
    bool skinned = false;
};
BoxCheck gBox;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    for (HWND box = nullptr; (box = ::FindWindowExW(nullptr, box, L"#32770", L"Skin engine"));) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(box, &process);
        if (process == ::GetCurrentProcessId()) {
            ::KillTimer(nullptr, timer);
            gBox.seen = true;
            gBox.skinned = HasSkinFrame(box);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
    }
}

bool MessageBoxWasSkinned() {
    gBox = {};
    ::SetTimer(nullptr, 0, 50, AnswerBox);
    ::MessageBoxW(nullptr, L"Seen through the skin?", L"Skin engine", MB_OK);
    EXPECT_TRUE(gBox.seen);
    return gBox.skinned;
}

}  // namespace

TEST(SkinEngine, SkinsMessageBoxesWhileRunning) {
    const Skin skin(BuiltInSkinPalette());
    StartSkinEngine(skin);
    EXPECT_TRUE(SkinEngine::Exists());
    EXPECT_TRUE(SkinEngine::Instance().Running());
    EXPECT_TRUE(MessageBoxWasSkinned());
    StopSkinEngine(true);
    EXPECT_FALSE(SkinEngine::Instance().Running());
    EXPECT_FALSE(MessageBoxWasSkinned());
}

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

TEST(HighContrast, TheSystemIsAskedAndWineSaysOff) {
    NoteHighContrast(true);
    EXPECT_TRUE(RefreshHighContrast());  // read from the system: a change
    EXPECT_FALSE(HighContrastOn());
    EXPECT_FALSE(RefreshHighContrast());
}

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
