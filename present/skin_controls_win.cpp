#include "present/skin_controls_win.h"

#include "platform/callback_guard_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "platform/window_states_win.h"
#include "platform/window_win.h"
#include "present/control_colors_win.h"
#include "present/skin_win.h"

namespace {

constexpr UINT_PTR kControlSubclassId = 0x4D435431;  // "MCT1"
constexpr wchar_t kLookProperty[] = L"Murkwell.SkinLook";
constexpr wchar_t kPictureProperty[] = L"Murkwell.Picture";

enum class Kind { PushButton, CheckBox, GroupBox };

struct ControlState {
    const Skin* skin = nullptr;
    Kind kind = Kind::PushButton;
    bool hot = false;
    bool trackingLeave = false;
};
thread_local WindowStates<ControlState> tControls;

void RoundBox(HDC dc, const RECT& rect, COLORREF fill, COLORREF edge, int radius, int width) {
    const UniquePen pen(::CreatePen(PS_INSIDEFRAME, width, edge));
    const UniqueBrush brush(::CreateSolidBrush(fill));
    const SelectedObject selectedPen(dc, pen.Get());
    const SelectedObject selectedBrush(dc, brush.Get());
    ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius, radius);
}

HFONT FontOf(HWND control) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

bool ShowsFocus(HWND control) {
    return ::GetFocus() == control &&
           !(::SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// What the window gives static text on it: the background behind check boxes and frames.
HBRUSH BackgroundBrush(HWND control, HDC dc) {
    const auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(::GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control)));
    return brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE);
}

HICON PictureOf(HWND button) {
    return static_cast<HICON>(::GetPropW(button, kPictureProperty));
}

// 0 x 0 for no picture.
SIZE PictureSize(HICON picture) {
    ICONINFO info{};
    if (!picture || !::GetIconInfo(picture, &info)) {
        return {0, 0};
    }
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(colour ? colour.Get() : mask.Get(), sizeof(bitmap), &bitmap);
    // A monochrome icon's mask holds the picture and its mask one above the other.
    return {bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

// Measures the caption with the font `dc` has selected: the button's.
ButtonFace FaceOf(HDC dc,
                  const std::wstring& caption,
                  HICON picture,
                  const RECT& area,
                  bool pressed,
                  int dpi) {
    const SIZE pictureSize = PictureSize(picture);
    RECT measure{};
    if (!caption.empty()) {
        ::DrawTextW(dc, caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    }
    ButtonFaceInput input;
    input.area = {area.left, area.top, area.right, area.bottom};
    input.dpi = dpi;
    input.pressed = pressed;
    input.pictureWidth = pictureSize.cx;
    input.pictureHeight = pictureSize.cy;
    input.captionWidth = measure.right;
    input.captionHeight = measure.bottom;
    return LayOutButtonFace(input);
}

UINT CaptionPlacing(ButtonArrangement arrangement) {
    switch (arrangement) {
        case ButtonArrangement::PictureBeside:
            return DT_LEFT | DT_VCENTER;
        case ButtonArrangement::PictureAbove:
            return DT_CENTER | DT_TOP;
        case ButtonArrangement::CaptionOnly:
            break;
    }
    return DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
}

void PaintPushButton(HWND button, HDC dc, const RECT& area, const ControlState& state) {
    const SkinPalette& colours = state.skin->Palette();
    const LRESULT buttonState = ::SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool enabled = ::IsWindowEnabled(button) != FALSE;
    const bool pressed = enabled && (buttonState & BST_PUSHED);
    const bool isDefault = (::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const bool focused = ShowsFocus(button);

    ::FillRect(dc, &area, BackgroundBrush(button, dc));
    COLORREF fill = ControlBackColor(button).value_or(colours.controlBack);
    COLORREF edge = colours.border;
    if (!enabled) {
        fill = colours.disabledBack;
        edge = colours.disabledBorder;
    } else if (pressed) {
        fill = colours.pressed;
        edge = colours.accent;
    } else if (state.hot) {
        fill = colours.hot;
        edge = colours.accent;
    } else if (isDefault || focused) {
        edge = colours.accent;
    }
    const int unit = std::max(1, ScaleToWindow(1, button));
    RECT box = area;
    ::InflateRect(&box, -unit, -unit);
    // The default button has the thick edge; the focus has its own mark, a dotted ring inside
    // the edge, so that the two (and the hover) can be told apart.
    RoundBox(dc, box, fill, edge, ScaleToWindow(6, button), isDefault && enabled ? 2 * unit : unit);
    if (focused && enabled) {
        RECT ring = box;
        ::InflateRect(&ring, -3 * unit, -3 * unit);
        // The ring inverts what lies under it; as thick as the edge at this DPI.
        for (int i = 0; i < unit; ++i) {
            ::DrawFocusRect(dc, &ring);
            ::InflateRect(&ring, -1, -1);
        }
    }

    const SelectedObject selectedFont(dc, FontOf(button));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, enabled ? colours.text : colours.disabledText);
    const HICON picture = PictureOf(button);
    const std::wstring caption = TextOfWindow(button);
    const ButtonFace face = FaceOf(dc, caption, picture, area, pressed, WindowDpi(button));
    if (face.arrangement != ButtonArrangement::CaptionOnly) {
        ::DrawIconEx(dc, face.picture.left, face.picture.top, picture, face.picture.Width(),
                     face.picture.Height(), 0, nullptr, DI_NORMAL);
    }
    RECT text = ToRect(face.caption);
    ::DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | CaptionPlacing(face.arrangement));
}

void PaintCheckBox(HWND checkBox, HDC dc, const RECT& area, const ControlState& state) {
    const SkinPalette& colours = state.skin->Palette();
    const bool enabled = ::IsWindowEnabled(checkBox) != FALSE;
    const LRESULT check = ::SendMessageW(checkBox, BM_GETCHECK, 0, 0);
    const bool pressed = enabled && (::SendMessageW(checkBox, BM_GETSTATE, 0, 0) & BST_PUSHED);
    ::FillRect(dc, &area, BackgroundBrush(checkBox, dc));

    const int unit = std::max(1, ScaleToWindow(1, checkBox));
    const int size = ScaleToWindow(14, checkBox);
    const int top = (area.top + area.bottom - size) / 2;
    const RECT box{area.left + unit, top, area.left + unit + size, top + size};
    COLORREF fill = colours.controlBack;
    COLORREF edge = state.hot || pressed ? colours.accent : colours.border;
    if (!enabled) {
        fill = colours.disabledBack;
        edge = colours.disabledBorder;
    } else if (check == BST_CHECKED) {
        fill = state.hot ? colours.captionButtonHot : colours.accent;
        edge = fill;
    } else if (pressed) {
        fill = colours.pressed;
    }
    RoundBox(dc, box, fill, edge, ScaleToWindow(4, checkBox), unit);
    if (check == BST_CHECKED || check == BST_INDETERMINATE) {
        const UniquePen pen(
            ::CreatePen(PS_SOLID, 2 * unit, enabled ? colours.accentText : colours.disabledText));
        const SelectedObject selectedPen(dc, pen.Get());
        const int s = size;
        if (check == BST_CHECKED) {
            const POINT tick[] = {{box.left + s * 3 / 14, box.top + s * 7 / 14},
                                  {box.left + s * 6 / 14, box.top + s * 10 / 14},
                                  {box.left + s * 11 / 14, box.top + s * 4 / 14}};
            ::Polyline(dc, tick, 3);
        } else {
            ::MoveToEx(dc, box.left + s / 4, box.top + s / 2, nullptr);
            ::LineTo(dc, box.right - s / 4, box.top + s / 2);
        }
    }

    RECT text{box.right + ScaleToWindow(6, checkBox), area.top, area.right, area.bottom};
    const std::wstring caption = TextOfWindow(checkBox);
    const SelectedObject selectedFont(dc, FontOf(checkBox));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, enabled ? colours.text : colours.disabledText);
    const UINT hidePrefix =
        (::SendMessageW(checkBox, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
    ::DrawTextW(dc, caption.c_str(), -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | hidePrefix);
    if (ShowsFocus(checkBox)) {
        RECT measure = text;
        ::DrawTextW(dc, caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
        RECT focus{text.left - unit,
                   (area.top + area.bottom - (measure.bottom - measure.top)) / 2 - unit,
                   std::min(text.right, text.left + (measure.right - measure.left)) + unit, 0};
        focus.bottom = focus.top + (measure.bottom - measure.top) + 2 * unit;
        ::SetTextColor(dc, colours.text);
        ::DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND group, HDC dc, const RECT& area, const ControlState& state) {
    const SkinPalette& colours = state.skin->Palette();
    const SelectedObject selectedFont(dc, FontOf(group));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const int unit = std::max(1, ScaleToWindow(1, group));
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    ::FillRect(dc, &area, BackgroundBrush(group, dc));
    RoundBox(dc, frame, colours.face, colours.border, ScaleToWindow(8, group), unit);
    const std::wstring caption = TextOfWindow(group);
    if (!caption.empty()) {
        RECT text{area.left + ScaleToWindow(10, group), area.top, area.right,
                  area.top + metrics.tmHeight};
        RECT measure = text;
        ::DrawTextW(dc, caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
        RECT back{measure.left - 4 * unit, measure.top, measure.right + 4 * unit, measure.bottom};
        FillSolid(dc, back, colours.face);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, colours.skinLabelText);
        ::DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
}

void Paint(HWND control, HDC dc, const ControlState& state) {
    RECT area{};
    ::GetClientRect(control, &area);
    if (area.right <= 0 || area.bottom <= 0) {
        return;
    }
    // Drawn off screen first so that a state change never flickers.
    const UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, area.right, area.bottom));
    const SelectedObject selected(memory.Get(), bitmap.Get());
    switch (state.kind) {
        case Kind::PushButton:
            PaintPushButton(control, memory.Get(), area, state);
            break;
        case Kind::CheckBox:
            PaintCheckBox(control, memory.Get(), area, state);
            break;
        case Kind::GroupBox:
            PaintGroupBox(control, memory.Get(), area, state);
            break;
    }
    ::BitBlt(dc, 0, 0, area.right, area.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void Repaint(HWND control) {
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK ControlSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

LRESULT ControlMessage(HWND control,
                       UINT message,
                       WPARAM wParam,
                       LPARAM lParam,
                       UINT_PTR id,
                       DWORD_PTR) {
    ControlState* found = tControls.Find(control);
    if (!found) {
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    ControlState& state = *found;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(control, &paint);
            Paint(control, dc, state);
            ::EndPaint(control, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(control, reinterpret_cast<HDC>(wParam), state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!state.hot && state.kind != Kind::GroupBox) {
                state.hot = true;
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control, 0};
                state.trackingLeave = ::TrackMouseEvent(&track) != FALSE;
                Repaint(control);
            }
            break;
        case WM_MOUSELEAVE:
            state.hot = false;
            state.trackingLeave = false;
            Repaint(control);
            break;
        // The button draws itself straight away on these; the skin draws over it at once.
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
        case BM_CLICK:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case WM_UPDATEUISTATE: {
            const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
            if (::IsWindow(control)) {
                Repaint(control);
            }
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(control, ControlSubclassProc, id);
            ::RemovePropW(control, kLookProperty);
            ::RemovePropW(control, kPictureProperty);
            tControls.Forget(control);
            break;
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK ControlSubclassProc(HWND control,
                                     UINT message,
                                     WPARAM wParam,
                                     LPARAM lParam,
                                     UINT_PTR id,
                                     DWORD_PTR data) {
    return GuardSubclassProc("a skinned control", ControlMessage, control, message, wParam, lParam,
                             id, data);
}

}  // namespace

void AttachSkinControl(HWND control, const Skin& skin) {
    if (HasSkinLook(control)) {
        return;
    }
    Kind kind;
    switch (KindOfControl(control)) {
        case ControlKind::CommandButton:
            kind = Kind::PushButton;
            break;
        case ControlKind::CheckBox:
            kind = Kind::CheckBox;
            break;
        case ControlKind::Frame:
            kind = Kind::GroupBox;
            break;
        default:
            return;
    }
    tControls.Adopt(control, std::make_unique<ControlState>(ControlState{&skin, kind}));
    ::SetPropW(control, kLookProperty, reinterpret_cast<HANDLE>(1));
    ::SetWindowSubclass(control, ControlSubclassProc, kControlSubclassId, 0);
    ::InvalidateRect(control, nullptr, TRUE);
}

bool HasSkinLook(HWND control) {
    return ::GetPropW(control, kLookProperty) != nullptr;
}

void SetButtonPicture(HWND button, HICON picture) {
    ::SetPropW(button, kPictureProperty, picture);
    // The standard look shows it too, beside the caption.
    ::SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
    ::InvalidateRect(button, nullptr, TRUE);
}

ButtonFace SkinnedButtonFace(HWND button, int dpi) {
    RECT area{};
    ::GetClientRect(button, &area);
    const WindowDc dc(button);
    const SelectedObject selectedFont(dc.Get(), FontOf(button));
    const bool pressed = (::SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    return FaceOf(dc.Get(), TextOfWindow(button), PictureOf(button), area,
                  pressed && ::IsWindowEnabled(button), dpi);
}
