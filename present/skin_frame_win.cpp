#include "present/skin_frame_win.h"

#include "platform/callback_guard_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi_win.h"
#include "platform/unique_resource_win.h"
#include "platform/window_states_win.h"
#include "present/artwork_win.h"
#include "present/control_colors_win.h"
#include "present/menu_access_keys.h"
#include "present/skin_frame_layout.h"
#include "present/skin_menu_bar_win.h"
#include "present/skin_win.h"

namespace {

constexpr wchar_t kFrameProperty[] = L"Murkwell.SkinFrame";
constexpr UINT_PTR kFrameSubclassId = 0x4D465231;  // "MFR1"

struct FrameState {
    const Skin* skin = nullptr;
    UniqueMenu menu;  // the menu bar, drawn by the skin; the window no longer holds it
    FrameFeatures features;
    bool hasCaption = false;
    bool active = true;
    bool trackingLeave = false;
    FramePart hot = FramePart::Client;
    FramePart pressed = FramePart::Client;
    int hotMenuItem = -1;
    int openMenuItem = -1;
    std::vector<PixelRect> menuItems;  // where the menu bar's items were last laid out
};
thread_local WindowStates<FrameState> tFrames;

FrameMetrics MetricsOf(HWND window, const FrameState& state) {
    FrameMetrics metrics;
    metrics.border =
        state.features.resizable ? ScaleToWindow(4, window) : std::max(1, ScaleToWindow(1, window));
    metrics.captionHeight = state.hasCaption ? ScaleToWindow(30, window) : 0;
    metrics.buttonWidth = ScaleToWindow(46, window);
    metrics.menuBarHeight = state.menu ? ScaleToWindow(24, window) : 0;
    metrics.grip = ScaleToWindow(16, window);
    return metrics;
}

SIZE WindowSize(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

FrameLayout LayoutOf(HWND window, const FrameState& state) {
    const SIZE size = WindowSize(window);
    return ComputeFrameLayout(size.cx, size.cy, MetricsOf(window, state), state.features);
}

UniqueFont NonClientFont(HWND window, bool menu) {
    return CreateSystemFont(menu ? SystemFont::Menu : SystemFont::Caption, WindowDpi(window),
                            menu ? FW_NORMAL : FW_BOLD);
}

// Lays the menu bar's items out with the menu font selected into `dc`.
std::vector<PixelRect> LayOutMenuItems(HWND window, const FrameState& state, HDC dc) {
    return LayOutMenuItems(state.menu.Get(), LayoutOf(window, state).menuBar, dc,
                           ScaleToWindow(9, window));
}

// The items as last drawn; laid out now if the bar has not been drawn yet.
const std::vector<PixelRect>& MenuItemsOf(HWND window, FrameState& state) {
    if (state.menu && state.menuItems.empty()) {
        const WindowDc dc(window, true);
        const UniqueFont font = NonClientFont(window, true);
        const SelectedObject selected(dc.Get(), font.Get());
        state.menuItems = LayOutMenuItems(window, state, dc.Get());
    }
    return state.menuItems;
}

void DrawCaptionGlyph(HDC dc,
                      const RECT& button,
                      FramePart part,
                      bool zoomed,
                      COLORREF colour,
                      int unit) {
    const int half = 5 * unit;
    const int cx = (button.left + button.right) / 2;
    const int cy = (button.top + button.bottom) / 2;
    const UniquePen pen(::CreatePen(PS_SOLID, unit, colour));
    const SelectedObject selectedPen(dc, pen.Get());
    const SelectedObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
    switch (part) {
        case FramePart::MinimizeButton:
            ::MoveToEx(dc, cx - half, cy, nullptr);
            ::LineTo(dc, cx + half, cy);
            break;
        case FramePart::MaximizeButton:
            if (zoomed) {  // restore: two overlapping windows
                const int inset = 2 * unit;
                ::Rectangle(dc, cx - half, cy - half + inset, cx + half - inset + 1, cy + half + 1);
                ::MoveToEx(dc, cx - half + inset, cy - half + inset, nullptr);
                ::LineTo(dc, cx - half + inset, cy - half);
                ::LineTo(dc, cx + half, cy - half);
                ::LineTo(dc, cx + half, cy + half - inset);
                ::LineTo(dc, cx + half - inset, cy + half - inset);
            } else {
                ::Rectangle(dc, cx - half, cy - half, cx + half + 1, cy + half + 1);
            }
            break;
        case FramePart::CloseButton:
            ::MoveToEx(dc, cx - half, cy - half, nullptr);
            ::LineTo(dc, cx + half + 1, cy + half + 1);
            ::MoveToEx(dc, cx + half, cy - half, nullptr);
            ::LineTo(dc, cx - half - 1, cy + half + 1);
            break;
        default:
            break;
    }
}

void PaintFrame(HWND window, FrameState& state) {
    const SkinPalette& colours = state.skin->Palette();
    const SIZE size = WindowSize(window);
    if (size.cx <= 0 || size.cy <= 0) {
        return;
    }
    const FrameLayout layout = LayoutOf(window, state);
    const WindowDc frameDc(window, true);
    const HDC windowDc = frameDc.Get();
    // Drawn off screen, then copied around the client area in one go: no flicker.
    UniqueMemoryDc dc(::CreateCompatibleDC(windowDc));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(windowDc, size.cx, size.cy));
    const SelectedObject selectedBitmap(dc.Get(), bitmap.Get());
    const HDC paint = dc.Get();

    const COLORREF frameColour = state.active ? colours.captionActive : colours.captionInactive;
    const RECT whole{0, 0, size.cx, size.cy};
    FillSolid(paint, whole, frameColour);

    const int unit = std::max(1, ScaleToWindow(1, window));
    if (state.hasCaption) {
        const RECT caption = ToRect(layout.caption);
        if (state.active) {
            FillGradient(paint, caption, colours.captionActive, colours.captionActiveEnd, true);
        } else {
            FillSolid(paint, caption, colours.captionInactive);
        }
        if (state.features.systemButton && layout.systemButton.Width() > 0) {
            // The product's veiled folder stands for the window menu.
            const int folderUnit = std::max(1, (layout.caption.bottom - layout.caption.top) / 22);
            const int left =
                layout.systemButton.left + (layout.systemButton.Width() - 12 * folderUnit) / 2;
            const int top = (layout.caption.top + layout.caption.bottom - 10 * folderUnit) / 2;
            DrawVeiledFolder(paint, left, top, folderUnit);
        }
        const UniqueFont font = NonClientFont(window, false);
        const SelectedObject selectedFont(paint, font.Get());
        ::SetBkMode(paint, TRANSPARENT);
        ::SetTextColor(paint, state.active ? colours.captionText : colours.captionTextInactive);
        wchar_t title[256] = {};
        ::InternalGetWindowText(window, title, static_cast<int>(std::size(title)));
        RECT titleRect = ToRect(layout.title);
        titleRect.left +=
            state.features.systemButton ? ScaleToWindow(2, window) : ScaleToWindow(10, window);
        ::DrawTextW(paint, title, -1, &titleRect,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);

        const bool zoomed = ::IsZoomed(window) != FALSE;
        for (const auto& [part, rect] :
             {std::pair{FramePart::MinimizeButton, layout.minimizeButton},
              std::pair{FramePart::MaximizeButton, layout.maximizeButton},
              std::pair{FramePart::CloseButton, layout.closeButton}}) {
            if (rect.Width() <= 0) {
                continue;
            }
            const RECT button = ToRect(rect);
            const bool isClose = part == FramePart::CloseButton;
            if (state.pressed == part) {
                FillSolid(paint, button,
                          isClose ? colours.closePressed : colours.captionButtonPressed);
            } else if (state.hot == part) {
                FillSolid(paint, button, isClose ? colours.closeHot : colours.captionButtonHot);
            }
            DrawCaptionGlyph(paint, button, part, zoomed,
                             state.active ? colours.captionText : colours.captionTextInactive,
                             unit);
        }
    }

    if (state.menu) {
        const RECT bar = ToRect(layout.menuBar);
        FillSolid(paint, bar, colours.menuBar);
        const RECT line{bar.left, bar.bottom - unit, bar.right, bar.bottom};
        FillSolid(paint, line, colours.menuBarLine);
        const UniqueFont font = NonClientFont(window, true);
        const SelectedObject selectedFont(paint, font.Get());
        ::SetBkMode(paint, TRANSPARENT);
        state.menuItems = LayOutMenuItems(window, state, paint);
        const auto& items = state.menuItems;
        for (std::size_t i = 0; i < items.size(); ++i) {
            RECT item = ToRect(items[i]);
            item.bottom -= unit;
            const bool open = static_cast<int>(i) == state.openMenuItem;
            if (open) {
                FillSolid(paint, item, colours.menuOpen);
            } else if (static_cast<int>(i) == state.hotMenuItem) {
                FillSolid(paint, item, colours.menuHot);
            }
            ::SetTextColor(paint, open ? colours.accentText : colours.menuText);
            ::DrawTextW(paint, MenuItemText(state.menu.Get(), static_cast<int>(i)).c_str(), -1,
                        &item, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    }

    // Copy everything but the client area, which the window paints itself.
    RECT client{};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT windowRect{};
    ::GetWindowRect(window, &windowRect);
    ::OffsetRect(&client, -windowRect.left, -windowRect.top);
    ::ExcludeClipRect(windowDc, client.left, client.top, client.right, client.bottom);
    ::BitBlt(windowDc, 0, 0, size.cx, size.cy, paint, 0, 0, SRCCOPY);
}

FramePart PartAt(HWND window, const FrameState& state, POINT screen) {
    RECT windowRect{};
    ::GetWindowRect(window, &windowRect);
    const SIZE size = WindowSize(window);
    const FrameMetrics metrics = MetricsOf(window, state);
    const FrameLayout layout = ComputeFrameLayout(size.cx, size.cy, metrics, state.features);
    FramePart part = HitTestFrame(layout, metrics, state.features, size.cx, size.cy,
                                  screen.x - windowRect.left, screen.y - windowRect.top);
    if (::IsZoomed(window) && part >= FramePart::Left) {
        part = FramePart::Border;  // a maximised window is not sized by its edges
    }
    return part;
}

LRESULT HitCode(FramePart part) {
    switch (part) {
        case FramePart::Client:
            return HTCLIENT;
        case FramePart::Caption:
            return HTCAPTION;
        case FramePart::SystemButton:
            return HTSYSMENU;
        case FramePart::MinimizeButton:
            return HTMINBUTTON;
        case FramePart::MaximizeButton:
            return HTMAXBUTTON;
        case FramePart::CloseButton:
            return HTCLOSE;
        case FramePart::MenuBar:
            return HTMENU;
        case FramePart::Border:
            return HTBORDER;
        case FramePart::Left:
            return HTLEFT;
        case FramePart::Right:
            return HTRIGHT;
        case FramePart::Top:
            return HTTOP;
        case FramePart::Bottom:
            return HTBOTTOM;
        case FramePart::TopLeft:
            return HTTOPLEFT;
        case FramePart::TopRight:
            return HTTOPRIGHT;
        case FramePart::BottomLeft:
            return HTBOTTOMLEFT;
        case FramePart::BottomRight:
            return HTBOTTOMRIGHT;
    }
    return HTNOWHERE;
}

POINT ScreenPointOf(HWND window, const PixelRect& rect, bool bottom) {
    RECT windowRect{};
    ::GetWindowRect(window, &windowRect);
    return {windowRect.left + rect.left, windowRect.top + (bottom ? rect.bottom : rect.top)};
}

void ShowSystemMenu(HWND window, const FrameState& state) {
    const HMENU menu = ::GetSystemMenu(window, FALSE);
    if (!menu) {
        return;
    }
    const bool zoomed = ::IsZoomed(window) != FALSE;
    const bool iconic = ::IsIconic(window) != FALSE;
    auto enable = [&](UINT command, bool enabled) {
        ::EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    enable(SC_RESTORE, zoomed || iconic);
    enable(SC_MOVE, !zoomed);
    enable(SC_SIZE, state.features.resizable && !zoomed);
    enable(SC_MINIMIZE, state.features.minimizeButton && !iconic);
    enable(SC_MAXIMIZE, state.features.maximizeButton && !zoomed);
    const POINT at = ScreenPointOf(window, LayoutOf(window, state).systemButton, true);
    const UINT command = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                                          at.y, 0, window, nullptr);
    if (command) {
        ::PostMessageW(window, WM_SYSCOMMAND, command, 0);
    }
}

void OpenMenuBar(HWND window, FrameState& state, int item, bool fromKeyboard) {
    TrackMenuBar(window, state.menu.Get(), MenuItemsOf(window, state), item, fromKeyboard,
                 [&](int open) {
                     if (open >= 0) {
                         state.hotMenuItem = -1;
                     }
                     state.openMenuItem = open;
                     PaintFrame(window, state);
                 });
}

bool SkinnedMenuOf(HWND root, HMENU& menu) {
    const FrameState* state = tFrames.Find(root);
    if (!state) {
        return false;
    }
    menu = state->menu.Get();
    return true;
}

// Follows a press on a caption button until the mouse is let go; true when it is let go on it.
bool TrackCaptionButton(HWND window, FrameState& state, FramePart part) {
    state.pressed = part;
    PaintFrame(window, state);
    ::SetCapture(window);
    bool inside = true;
    MSG message;
    while (::GetCapture() == window && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONUP) {
            POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
            ::ClientToScreen(window, &at);
            inside = PartAt(window, state, at) == part;
            const FramePart shown = inside ? part : FramePart::Client;
            if (shown != state.pressed) {
                state.pressed = shown;
                PaintFrame(window, state);
            }
            if (message.message == WM_LBUTTONUP) {
                break;
            }
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::ReleaseCapture();
    state.pressed = FramePart::Client;
    state.hot = FramePart::Client;
    PaintFrame(window, state);
    return inside;
}

void ResizeToKeepClient(HWND window, SIZE client) {
    if (::IsZoomed(window) || ::IsIconic(window)) {
        return;
    }
    RECT windowRect{};
    RECT clientRect{};
    ::GetWindowRect(window, &windowRect);
    ::GetClientRect(window, &clientRect);
    const int width = windowRect.right - windowRect.left + client.cx - clientRect.right;
    const int height = windowRect.bottom - windowRect.top + client.cy - clientRect.bottom;
    ::SetWindowPos(window, nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The client area inside the skin's frame, for a window whose outer rectangle is `rect`.
void FitClientArea(HWND window, const FrameState& state, RECT& rect) {
    const FrameLayout layout = ComputeFrameLayout(rect.right - rect.left, rect.bottom - rect.top,
                                                  MetricsOf(window, state), state.features);
    const RECT origin = rect;
    rect.left = origin.left + layout.client.left;
    rect.top = origin.top + layout.client.top;
    rect.right = origin.left + layout.client.right;
    rect.bottom = origin.top + layout.client.bottom;
}

// The caption button or menu item under the pointer lights up; the frame is told when the pointer
// leaves it.
void FollowPointer(HWND window, FrameState& state, POINT screen) {
    const FramePart part = PartAt(window, state, screen);
    const FramePart hot = (part == FramePart::MinimizeButton || part == FramePart::MaximizeButton ||
                           part == FramePart::CloseButton)
                              ? part
                              : FramePart::Client;
    int hotMenuItem = -1;
    if (part == FramePart::MenuBar) {
        RECT windowRect{};
        ::GetWindowRect(window, &windowRect);
        hotMenuItem = MenuBarItemAt(MenuItemsOf(window, state), screen.x - windowRect.left,
                                    screen.y - windowRect.top);
    }
    if (hot != state.hot || hotMenuItem != state.hotMenuItem) {
        state.hot = hot;
        state.hotMenuItem = hotMenuItem;
        PaintFrame(window, state);
    }
    if (!state.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window, 0};
        state.trackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
}

// A press on the frame's own parts: the caption buttons, the window menu's folder and the menu
// bar. False when the press is the system's to handle (a move or a resize).
bool TakePress(HWND window, FrameState& state, bool doubleClick, WPARAM hitCode, POINT screen) {
    switch (hitCode) {
        case HTMINBUTTON:
        case HTMAXBUTTON:
        case HTCLOSE: {
            const FramePart part = hitCode == HTCLOSE       ? FramePart::CloseButton
                                   : hitCode == HTMAXBUTTON ? FramePart::MaximizeButton
                                                            : FramePart::MinimizeButton;
            if (TrackCaptionButton(window, state, part)) {
                const WPARAM command = part == FramePart::CloseButton      ? SC_CLOSE
                                       : part == FramePart::MinimizeButton ? SC_MINIMIZE
                                       : ::IsZoomed(window)                ? SC_RESTORE
                                                                           : SC_MAXIMIZE;
                ::SendMessageW(window, WM_SYSCOMMAND, command, 0);
            }
            return true;
        }
        case HTSYSMENU:
            if (doubleClick) {
                ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                ShowSystemMenu(window, state);
            }
            return true;
        case HTMENU: {
            RECT windowRect{};
            ::GetWindowRect(window, &windowRect);
            const int item = MenuBarItemAt(MenuItemsOf(window, state), screen.x - windowRect.left,
                                           screen.y - windowRect.top);
            ::SetForegroundWindow(window);
            OpenMenuBar(window, state, item, false);
            return true;
        }
        default:
            return false;
    }
}

// Maximised, the window fills the work area: the frame's own border stays in view.
void FillWorkAreaWhenMaximised(HWND window, MINMAXINFO& info) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        info.ptMaxPosition = {monitor.rcWork.left - monitor.rcMonitor.left,
                              monitor.rcWork.top - monitor.rcMonitor.top};
        info.ptMaxSize = {monitor.rcWork.right - monitor.rcWork.left,
                          monitor.rcWork.bottom - monitor.rcWork.top};
    }
}

// The brush (and colours set in `dc`) a control of the window is drawn with; null for an edit box
// the skin did not colour, which keeps the system's look.
HBRUSH ControlBrush(const FrameState& state, UINT message, HDC dc, HWND control) {
    const SkinPalette& colours = state.skin->Palette();
    if (const auto back = ControlBackColor(control)) {
        ::SetBkColor(dc, *back);
        ::SetTextColor(dc, ControlForeColor(control).value_or(colours.text));
        return state.skin->Brush(*back);
    }
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        return nullptr;
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetBkColor(dc, colours.face);
    ::SetTextColor(dc, KindOfControl(control) == ControlKind::SkinLabel ? colours.skinLabelText
                                                                        : colours.text);
    return state.skin->Brush(colours.face);
}

LRESULT CALLBACK FrameSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

LRESULT FrameMessage(HWND window,
                     UINT message,
                     WPARAM wParam,
                     LPARAM lParam,
                     UINT_PTR id,
                     DWORD_PTR) {
    FrameState* found = tFrames.Find(window);
    if (!found) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    FrameState& state = *found;
    const SkinPalette& colours = state.skin->Palette();
    switch (message) {
        case WM_NCCALCSIZE:
            // With or without its other rectangles, the first is the window's.
            FitClientArea(window, state, *reinterpret_cast<RECT*>(lParam));
            return 0;
        case WM_NCPAINT:
            PaintFrame(window, state);
            return 0;
        case WM_NCACTIVATE:
            state.active = wParam != FALSE;
            PaintFrame(window, state);
            return TRUE;
        case WM_SETTEXT: {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            PaintFrame(window, state);
            return result;
        }
        case WM_NCHITTEST:
            return HitCode(PartAt(window, state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        case WM_NCMOUSEMOVE:
            FollowPointer(window, state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_NCMOUSELEAVE:
            state.trackingLeave = false;
            if (state.hot != FramePart::Client || state.hotMenuItem >= 0) {
                state.hot = FramePart::Client;
                state.hotMenuItem = -1;
                PaintFrame(window, state);
            }
            return 0;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (TakePress(window, state, message == WM_NCLBUTTONDBLCLK, wParam,
                          {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                return 0;
            }
            break;
        case WM_NCRBUTTONUP:
            if (wParam == HTCAPTION || wParam == HTSYSMENU) {
                ShowSystemMenu(window, state);
                return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                const auto key = static_cast<wchar_t>(lParam);
                if (key == L' ') {
                    ShowSystemMenu(window, state);
                } else if (key == 0 && state.menu && ::GetMenuItemCount(state.menu.Get()) > 0) {
                    // F10, or Alt pressed and let go alone: the bar's first menu opens.
                    OpenMenuBar(window, state, 0, true);
                } else if (const int item = MenuItemForAccessKey(state.menu.Get(), key);
                           item >= 0) {
                    OpenMenuBar(window, state, item, true);
                }
                return 0;
            }
            break;
        case WM_MENUCHAR:
            // A key no item marks: an item whose caption marks none may answer to it.
            if (HIWORD(wParam) & MF_POPUP) {
                const auto popup = reinterpret_cast<HMENU>(lParam);
                std::vector<std::u16string> captions;
                for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
                    const std::wstring text = MenuItemText(popup, i);
                    captions.emplace_back(text.begin(), text.end());
                }
                const int item =
                    ImpliedAccessKeyItem(captions, static_cast<char16_t>(LOWORD(wParam)));
                if (item >= 0) {
                    return MAKELRESULT(item, MNC_EXECUTE);
                }
            }
            break;
        case WM_GETMINMAXINFO:
            ::DefSubclassProc(window, message, wParam, lParam);
            FillWorkAreaWhenMaximised(window, *reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
        case WM_DPICHANGED: {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return result;
        }
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(window, &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, state.skin->Brush(colours.face));
            return 1;
        }
        case WM_CTLCOLORDLG:
            return reinterpret_cast<LRESULT>(state.skin->Brush(colours.face));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush = ControlBrush(state, message, reinterpret_cast<HDC>(wParam),
                                                  reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(window, FrameSubclassProc, id);
            ::RemovePropW(window, kFrameProperty);
            WatchAccessKeys(false, SkinnedMenuOf);
            tFrames.Forget(window);  // the menu goes with it
            return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameSubclassProc(HWND window,
                                   UINT message,
                                   WPARAM wParam,
                                   LPARAM lParam,
                                   UINT_PTR id,
                                   DWORD_PTR data) {
    return GuardSubclassProc("the skin frame", FrameMessage, window, message, wParam, lParam, id,
                             data);
}

}  // namespace

void AttachSkinFrame(HWND window, const Skin& skin) {
    if (HasSkinFrame(window) || (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
        return;
    }
    RECT client{};
    ::GetClientRect(window, &client);
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    FrameState* state = &tFrames.Adopt(window, std::make_unique<FrameState>());
    state->skin = &skin;
    state->hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    state->features.systemButton = (style & WS_SYSMENU) != 0;
    state->features.minimizeButton = (style & WS_MINIMIZEBOX) != 0;
    state->features.maximizeButton = (style & WS_MAXIMIZEBOX) != 0;
    state->features.resizable = (style & WS_THICKFRAME) != 0;
    state->active = ::GetActiveWindow() == window;
    state->menu.Reset(::GetMenu(window));
    if (state->menu) {
        ::SetMenu(window, nullptr);  // the skin draws the menu bar from here on
    }
    // The system draws no caption any more. The sizing frame stays: the system still sizes the
    // window by it (and snaps it), but the skin paints it.
    ::SetWindowLongW(window, GWL_STYLE, style & ~WS_CAPTION);
    ::SetWindowLongW(
        window, GWL_EXSTYLE,
        ::GetWindowLongW(window, GWL_EXSTYLE) &
            ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    // A mark other programs can see too (the tests look for it).
    ::SetPropW(window, kFrameProperty, reinterpret_cast<HANDLE>(1));
    WatchAccessKeys(true, SkinnedMenuOf);
    ::SetWindowSubclass(window, FrameSubclassProc, kFrameSubclassId, 0);
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeToKeepClient(window, {client.right, client.bottom});
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool HasSkinFrame(HWND window) {
    return ::GetPropW(window, kFrameProperty) != nullptr;
}
