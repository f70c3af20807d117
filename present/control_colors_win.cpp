#include "present/control_colors_win.h"

#include <commctrl.h>

#include "platform/callback_guard_win.h"
#include "platform/text_win.h"
#include "present/picture_box_win.h"
#include "present/skin_label_win.h"
#include "present/skin_rules.h"

namespace {

constexpr wchar_t kBackColorProperty[] = L"Murkwell.BackColor";
constexpr wchar_t kForeColorProperty[] = L"Murkwell.ForeColor";
// Colours are kept in window properties, which cannot hold zero: the flag bit marks "set".
constexpr std::uintptr_t kColourSet = 0x01000000;

void SetColourProperty(HWND control, const wchar_t* name, std::uint32_t colour) {
    ::SetPropW(control, name, reinterpret_cast<HANDLE>((colour & 0xFFFFFF) | kColourSet));
}

std::optional<COLORREF> ColourProperty(HWND control, const wchar_t* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(::GetPropW(control, name));
    if (!(value & kColourSet)) {
        return std::nullopt;
    }
    return static_cast<COLORREF>(value & 0xFFFFFF);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    return GuardCallback(
        "the control listing",
        [&]() -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        [&] { return FALSE; });
}

}  // namespace

std::wstring WindowClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::vector<HWND> ControlsOf(HWND window) {
    std::vector<HWND> controls;
    ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

ControlKind KindOfControl(HWND control) {
    const std::wstring name = WindowClassOf(control);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    if (::lstrcmpiW(name.c_str(), WC_BUTTONW) == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return ControlKind::CheckBox;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return ControlKind::OptionButton;
            case BS_GROUPBOX:
                return ControlKind::Frame;
            default:
                return ControlKind::CommandButton;
        }
    }
    if (::lstrcmpiW(name.c_str(), WC_STATICW) == 0) {
        switch (style & SS_TYPEMASK) {
            case SS_OWNERDRAW:
            case SS_BITMAP:
            case SS_ENHMETAFILE:
                return ControlKind::PictureBox;
            case SS_ICON:
                return ControlKind::Image;
            default:
                return ControlKind::Label;
        }
    }
    struct Known {
        const wchar_t* className;
        ControlKind kind;
    };
    static constexpr Known kKnown[] = {
        {WC_EDITW, ControlKind::TextBox},
        {WC_COMBOBOXW, ControlKind::ComboBox},
        {WC_LISTBOXW, ControlKind::ListBox},
        {WC_LISTVIEWW, ControlKind::ListView},
        {STATUSCLASSNAMEW, ControlKind::StatusBar},
        {kSkinLabelClass, ControlKind::SkinLabel},
        {kPictureBoxClass, ControlKind::PictureBox},
        {L"AtlAxWin", ControlKind::WebBrowser},
        {L"AtlAxWin100", ControlKind::WebBrowser},
    };
    for (const auto& known : kKnown) {
        if (::lstrcmpiW(name.c_str(), known.className) == 0) {
            return known.kind;
        }
    }
    return ControlKind::Other;
}

std::optional<COLORREF> ControlBackColor(HWND control) {
    return ColourProperty(control, kBackColorProperty);
}

std::optional<COLORREF> ControlForeColor(HWND control) {
    return ColourProperty(control, kForeColorProperty);
}

void ColorControls(HWND window,
                   std::uint32_t backColour,
                   std::uint32_t textColour,
                   std::uint32_t panelColour) {
    const SkinColours colours{backColour, textColour, panelColour};
    for (const HWND control : ControlsOf(window)) {
        const ControlKind kind = KindOfControl(control);
        const ControlColours set = ColoursForControl(kind, colours);
        if (set.backColor) {
            SetColourProperty(control, kBackColorProperty, *set.backColor);
        }
        if (set.foreColor) {
            SetColourProperty(control, kForeColorProperty, *set.foreColor);
        }
        if (kind == ControlKind::ListView) {
            // The list view draws its own rows: it takes the colours directly.
            ListView_SetBkColor(control, *set.backColor);
            ListView_SetTextBkColor(control, *set.backColor);
            ListView_SetTextColor(control, *set.foreColor);
        }
        if (set.backColor || set.foreColor) {
            ::InvalidateRect(control, nullptr, TRUE);
        }
    }
}
