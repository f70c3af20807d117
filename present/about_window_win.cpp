#include "present/about_window_win.h"

#include "platform/callback_guard_win.h"
#include "platform/unique_resource_win.h"

#include <commctrl.h>

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/twips.h"
#include "present/artwork_win.h"
#include "present/skin_form_win.h"
#include "present/skin_label_win.h"

namespace {

constexpr int kClientWidthTwips = 7455;
constexpr int kClientHeightTwips = 3450;
constexpr int kArtworkHeightTwips = 1035;

struct Placed {
    int left, top, width, height;  // twips
    int id;
};

// The product name, the three captions with their values, and the ownership notice, which sits
// below the visible part of the window.
constexpr Placed kProductLabel{120, 1200, 7095, 435, 401};
constexpr Placed kVersionCaption{180, 1680, 2295, 315, 402};
constexpr Placed kVersionLabel{2580, 1680, 4635, 315, 403};
constexpr Placed kOwnerCaption{180, 2100, 2295, 315, 404};
constexpr Placed kCompanyLabel{2580, 2100, 4635, 315, 405};
constexpr Placed kWebsiteCaption{180, 2520, 2295, 315, 406};
constexpr Placed kWebsiteLabel{2580, 2520, 4635, 315, 407};
// The notice sits below the visible part of the window, as it always has.
constexpr Placed kNotice{120, 3825, 7215, 1275, 408};
constexpr Placed kCloseButton{6120, 2940, 1215, 390, 409};
constexpr Placed kLabels[] = {kProductLabel, kVersionCaption, kVersionLabel,
                              kOwnerCaption, kCompanyLabel,   kWebsiteCaption,
                              kWebsiteLabel, kNotice,         kCloseButton};

LRESULT CALLBACK WebsiteLinkProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// The website's address is a link: it opens the built-in browser on the website.
LRESULT WebsiteLinkMessage(HWND label,
                           UINT message,
                           WPARAM wParam,
                           LPARAM lParam,
                           UINT_PTR id,
                           DWORD_PTR) {
    switch (message) {
        case WM_NCHITTEST:
            // A label lets clicks through to its window; a link takes them.
            return HTCLIENT;
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_LBUTTONUP:
            ::PostMessageW(::GetParent(label), WM_COMMAND,
                           MAKEWPARAM(kWebsiteLabel.id, STN_CLICKED),
                           reinterpret_cast<LPARAM>(label));
            return 0;
        case WM_GETDLGCODE: {
            // Reached with Tab like a button; Enter and Space are the link's own, not the
            // window's default button's.
            const auto* keyMessage = reinterpret_cast<const MSG*>(lParam);
            if (keyMessage && keyMessage->message == WM_KEYDOWN &&
                (keyMessage->wParam == VK_RETURN || keyMessage->wParam == VK_SPACE)) {
                return DLGC_WANTMESSAGE;
            }
            return DLGC_UNDEFPUSHBUTTON;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                ::PostMessageW(::GetParent(label), WM_COMMAND,
                               MAKEWPARAM(kWebsiteLabel.id, STN_CLICKED),
                               reinterpret_cast<LPARAM>(label));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(label, nullptr, TRUE);
            break;
        case WM_PAINT: {
            const LRESULT result = ::DefSubclassProc(label, message, wParam, lParam);
            if (::GetFocus() == label) {
                // The focus shows around the address, as on any link.
                RECT text{};
                ::GetClientRect(label, &text);
                const HDC dc = ::GetDC(label);
                ::DrawFocusRect(dc, &text);
                ::ReleaseDC(label, dc);
            }
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(label, WebsiteLinkProc, id);
            break;
    }
    return ::DefSubclassProc(label, message, wParam, lParam);
}

LRESULT CALLBACK WebsiteLinkProc(HWND label,
                                 UINT message,
                                 WPARAM wParam,
                                 LPARAM lParam,
                                 UINT_PTR id,
                                 DWORD_PTR data) {
    return GuardSubclassProc("the website link", WebsiteLinkMessage, label, message, wParam, lParam,
                             id, data);
}

}  // namespace

bool AboutWindow::Create(HWND owner) {
    const int dpi = WindowDpi(nullptr);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const SIZE size =
        OuterSizeForClient({kClientWidthTwips, kClientHeightTwips}, style, false, dpi);
    const std::wstring caption = L"About " + Widen(m_productInfo.productName);
    if (!CreateWindowOf(kAboutWindowClass, caption.c_str(), style, 0, 0, 0, size.cx, size.cy, owner,
                        nullptr)) {
        return false;
    }
    CenterOnOwner(Handle());
    CreateFonts(dpi);
    struct Label {
        Placed place;
        std::wstring text;
        bool skinLabel;  // the values are skin labels; their captions are plain labels
    };
    const Label labels[] = {
        {kProductLabel, Widen(m_productInfo.productName), true},
        {kVersionCaption, L"Version:", false},
        {kVersionLabel, Widen(VersionText(m_productInfo)), true},
        {kOwnerCaption, L"Owned By:", false},
        {kCompanyLabel, Widen(m_productInfo.companyName), true},
        {kWebsiteCaption, L"Website:", false},
        {kWebsiteLabel, Widen(m_productInfo.websiteAddress), true},
        {kNotice,
         Widen(m_productInfo.productName) + L" is owned by " + Widen(m_productInfo.companyName) +
             L". All rights reserved. Unauthorised copying or distribution is not permitted.",
         false},
    };
    for (const auto& [place, text, skinLabel] : labels) {
        const RECT rect = PlaceInPixels(place.left, place.top, place.width, place.height, dpi);
        const HFONT font = place.id == kProductLabel.id ? m_titleFont.Get() : m_font.Get();
        // What lies below the visible part is not shown, so a screen reader does not read out
        // words no one can see either.
        const bool shown = place.top < kClientHeightTwips;
        if (skinLabel) {
            CreateSkinLabel(Handle(), place.id, text, rect, shown, font);
            continue;
        }
        const HWND label = ::CreateWindowExW(
            0, L"STATIC", text.c_str(), WS_CHILD | (shown ? WS_VISIBLE : 0) | SS_NOPREFIX,
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), ::GetModuleHandleW(nullptr),
            nullptr);
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    const RECT close = PlaceInPixels(kCloseButton.left, kCloseButton.top, kCloseButton.width,
                                     kCloseButton.height, dpi);
    const HWND closeButton = ::CreateWindowExW(
        0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, close.left,
        close.top, close.right - close.left, close.bottom - close.top, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButton.id)), ::GetModuleHandleW(nullptr),
        nullptr);
    ::SendMessageW(closeButton, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    // The template for the label replacement, hidden below the visible part of the window.
    CreateSkinLabelTemplate(Handle(),
                            PlaceInPixels(0, kNotice.top + kNotice.height, 555, 135, dpi));
    if (m_productInfo.skinEnabled) {
        ReplaceLabels(Handle());
        SkinForm(Handle());
    }
    if (const HWND link = ::GetDlgItem(Handle(), kWebsiteLabel.id)) {
        ::SetWindowLongW(link, GWL_STYLE, ::GetWindowLongW(link, GWL_STYLE) | WS_TABSTOP);
        ::SetWindowSubclass(link, WebsiteLinkProc, 1, 0);
        ::SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(m_linkFont.Get()), FALSE);
    }
    return true;
}

void AboutWindow::CreateFonts(int dpi) {
    m_font = CreateUiFont(L"Verdana", 90, FW_NORMAL, dpi);
    m_titleFont = CreateUiFont(L"Verdana", 140, FW_BOLD, dpi);
    m_linkFont = CreateUiFont(L"Verdana", 90, FW_NORMAL, dpi, true);
}

HFONT AboutWindow::FontOf(int id) const {
    return id == kProductLabel.id   ? m_titleFont.Get()
           : id == kWebsiteLabel.id ? m_linkFont.Get()
                                    : m_font.Get();
}

void AboutWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    CreateFonts(dpi);
    for (const auto& place : kLabels) {
        const HWND label = ::GetDlgItem(Handle(), place.id);
        const RECT rect = PlaceInPixels(place.left, place.top, place.width, place.height, dpi);
        ::MoveWindow(label, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     FALSE);
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(place.id)), FALSE);
    }
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void AboutWindow::PaintArtwork(HDC dc) const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int dpi = WindowDpi(Handle());
    RECT art{0, 0, client.right, TwipsToPixels(kArtworkHeightTwips, dpi)};
    DrawArtworkGround(dc, art, true);
    // The product's folder, half veiled, as on the start-up window.
    const int unit = ::MulDiv(5, dpi, USER_DEFAULT_SCREEN_DPI);
    DrawVeiledFolder(dc, 3 * unit, 2 * unit, unit);
    const UniqueFont tagline = CreateUiFont(L"Verdana", 110, FW_BOLD, dpi);
    const SelectedObject selected(dc, tagline.Get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kArtworkText);
    RECT text{17 * unit, art.top, art.right - 2 * unit, art.bottom};
    ::DrawTextW(dc, L"Folders out of sight, back on demand", -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(Handle(), &paint);
            PaintArtwork(dc);
            ::EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                ::DestroyWindow(Handle());
                return 0;
            }
            break;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kCloseButton.id:
                case IDOK:
                case IDCANCEL:  // Esc, through the dialog keys
                    ::DestroyWindow(Handle());
                    return 0;
                case kWebsiteLabel.id:
                    if (m_openWebsite) {
                        m_openWebsite();
                    }
                    return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                ::SetFocus(::GetDlgItem(Handle(), kCloseButton.id));
                return 0;
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    return Window::HandleMessage(message, wParam, lParam);
}
