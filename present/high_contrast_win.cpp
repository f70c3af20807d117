#include "present/high_contrast_win.h"

#include <commctrl.h>
#include <iterator>
#include <vector>

#include "platform/callback_guard_win.h"
#include "present/control_colors_win.h"
#include "present/skin_form_win.h"
#include "present/skin_frame_win.h"
#include "present/skin_win.h"

namespace {

bool gHighContrast = false;

LRESULT CALLBACK ContrastHeaderProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM list) {
    return GuardCallback(
        "the window listing",
        [&]() -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        [&] { return FALSE; });
}

constexpr UINT_PTR kContrastHeaderId = 0x48434844;  // "HCHD"

// Under high contrast the header is drawn here in the system's colours: its visual style would
// draw a light header with the theme's white text on it.
void PaintContrastHeader(HWND header, HDC dc) {
    RECT client{};
    ::GetClientRect(header, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    const HBRUSH line = ::GetSysColorBrush(COLOR_BTNTEXT);
    const int count = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT item{};
        ::SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        wchar_t text[260] = {};
        HDITEMW info{};
        info.mask = HDI_TEXT | HDI_FORMAT;
        info.pszText = text;
        info.cchTextMax = static_cast<int>(std::size(text));
        ::SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&info));
        RECT divider{item.right - 1, item.top, item.right, item.bottom};
        ::FillRect(dc, &divider, line);
        RECT label = item;
        ::InflateRect(&label, -6, 0);
        if (info.fmt & (HDF_SORTUP | HDF_SORTDOWN)) {
            label.right -= 14;
            const int middle = (item.top + item.bottom) / 2;
            const int x = item.right - 14;
            const bool up = (info.fmt & HDF_SORTUP) != 0;
            const POINT arrow[3] = {{x, up ? middle + 2 : middle - 2},
                                    {x + 8, up ? middle + 2 : middle - 2},
                                    {x + 4, up ? middle - 2 : middle + 2}};
            const HGDIOBJ oldBrush = ::SelectObject(dc, line);
            const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
            ::Polygon(dc, arrow, 3);
            ::SelectObject(dc, oldPen);
            ::SelectObject(dc, oldBrush);
        }
        ::DrawTextW(dc, text, -1, &label,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    RECT bottom{client.left, client.bottom - 1, client.right, client.bottom};
    ::FillRect(dc, &bottom, line);
    ::SelectObject(dc, oldFont);
}

LRESULT ContrastHeaderMessage(HWND header,
                              UINT message,
                              WPARAM wParam,
                              LPARAM lParam,
                              UINT_PTR,
                              DWORD_PTR) {
    if (HighContrastOn() && (message == WM_PAINT || message == WM_PRINTCLIENT)) {
        PAINTSTRUCT paint{};
        const HDC dc =
            message == WM_PAINT ? ::BeginPaint(header, &paint) : reinterpret_cast<HDC>(wParam);
        PaintContrastHeader(header, dc);
        if (message == WM_PAINT) {
            ::EndPaint(header, &paint);
        }
        return 0;
    }
    if (HighContrastOn() && message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(header, ContrastHeaderProc, kContrastHeaderId);
    }
    return ::DefSubclassProc(header, message, wParam, lParam);
}

LRESULT CALLBACK ContrastHeaderProc(HWND header,
                                    UINT message,
                                    WPARAM wParam,
                                    LPARAM lParam,
                                    UINT_PTR id,
                                    DWORD_PTR data) {
    return GuardSubclassProc("the high-contrast header", ContrastHeaderMessage, header, message,
                             wParam, lParam, id, data);
}

}  // namespace

bool HighContrastOn() {
    return gHighContrast;
}

void NoteHighContrast(bool on) {
    gHighContrast = on;
}

bool RefreshHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool on = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON);
    const bool changed = on != gHighContrast;
    NoteHighContrast(on);
    return changed;
}

void FollowContrast(HWND listView) {
    // The common controls keep their own copy of the system colours until told they changed.
    ::SendMessageW(listView, WM_SYSCOLORCHANGE, 0, 0);
    const HWND header = ListView_GetHeader(listView);
    if (header) {
        ::SetWindowSubclass(header, ContrastHeaderProc, kContrastHeaderId, 0);
        ::InvalidateRect(header, nullptr, TRUE);
    }
}

void RecolourForContrast() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectTopWindow,
                        reinterpret_cast<LPARAM>(&windows));
    for (const HWND window : windows) {
        if (!HasSkinFrame(window) || !gSkin) {
            continue;
        }
        ColorControls(window, *gSkin->Colour(2), *gSkin->Colour(3), *gSkin->Colour(4));
        for (const HWND control : ControlsOf(window)) {
            if (KindOfControl(control) == ControlKind::ListView) {
                FollowContrast(control);
            }
        }
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}
