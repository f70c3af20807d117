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

std::string ControlTypeName(HWND control) {
    const std::wstring name = WindowClassOf(control);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    if (::lstrcmpiW(name.c_str(), WC_BUTTONW) == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return "CheckBox";
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return "OptionButton";
            case BS_GROUPBOX:
                return "Frame";
            default:
                return "CommandButton";
        }
    }
    if (::lstrcmpiW(name.c_str(), WC_STATICW) == 0) {
        switch (style & SS_TYPEMASK) {
            case SS_OWNERDRAW:
            case SS_BITMAP:
            case SS_ENHMETAFILE:
                return "PictureBox";
            case SS_ICON:
                return "Image";
            default:
                return "Label";
        }
    }
    struct Known {
        const wchar_t* className;
        const char* typeName;
    };
    static constexpr Known kKnown[] = {
        {WC_EDITW, "TextBox"},
        {WC_COMBOBOXW, "ComboBox"},
        {WC_LISTBOXW, "ListBox"},
        {WC_LISTVIEWW, "ListView"},
        {STATUSCLASSNAMEW, "StatusBar"},
        {kSkinLabelClass, "SkinLabel"},
        {kPictureBoxClass, "PictureBox"},
        {L"AtlAxWin", "WebBrowser"},
        {L"AtlAxWin100", "WebBrowser"},
    };
    for (const auto& known : kKnown) {
        if (::lstrcmpiW(name.c_str(), known.className) == 0) {
            return known.typeName;
        }
    }
    return Narrow(name);
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
        const std::string typeName = ControlTypeName(control);
        const ControlColours set = ColoursForControl(typeName, colours);
        if (set.backColor) {
            SetColourProperty(control, kBackColorProperty, *set.backColor);
        }
        if (set.foreColor) {
            SetColourProperty(control, kForeColorProperty, *set.foreColor);
        }
        if (typeName == "ListView") {
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
