// The skin on real windows: control colours, label replacement, the frame and the control
// looks, and the engine's message boxes.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

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
#include "tests/win/skin_test_support.h"
#include "tests/win/window_test_support.h"

namespace {

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

TEST(HighContrast, TheSystemIsAskedAndWineSaysOff) {
    NoteHighContrast(true);
    EXPECT_TRUE(RefreshHighContrast());  // read from the system: a change
    EXPECT_FALSE(HighContrastOn());
    EXPECT_FALSE(RefreshHighContrast());
}
