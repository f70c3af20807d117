#include "present/about_window_win.h"

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/twips.h"
#include "present/artwork_win.h"
#include "present/skin_form_win.h"
#include "present/skin_label_win.h"

namespace {

constexpr int kClientWidthTwips = 7455;
constexpr int kClientHeightTwips = 2925;
constexpr int kArtworkHeightTwips = 1035;

struct Placed {
    int left, top, width, height;  // twips
    int id;
};

// Label1, the three captions with their values, and the ownership notice, which sits below the
// visible part of the window.
constexpr Placed kProductLabel{120, 1200, 7095, 435, 401};
constexpr Placed kVersionCaption{180, 1680, 2295, 315, 402};
constexpr Placed kVersionLabel{2580, 1680, 4635, 315, 403};
constexpr Placed kOwnerCaption{180, 2100, 2295, 315, 404};
constexpr Placed kCompanyLabel{2580, 2100, 4635, 315, 405};
constexpr Placed kWebsiteCaption{180, 2520, 2295, 315, 406};
constexpr Placed kWebsiteLabel{2580, 2520, 4635, 315, 407};
constexpr Placed kNotice{120, 3300, 7215, 1275, 408};
constexpr Placed kLabels[] = {kProductLabel,   kVersionCaption, kVersionLabel, kOwnerCaption,
                              kCompanyLabel,   kWebsiteCaption, kWebsiteLabel, kNotice};

}  // namespace

bool AboutWindow::Create(HWND owner) {
    const int dpi = WindowDpi(nullptr);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const SIZE size = OuterSizeForClient({kClientWidthTwips, kClientHeightTwips}, style, false, dpi);
    const std::wstring caption = L"About " + Widen(m_productInfo.productName);
    if (!CreateWindowOf(kAboutWindowClass, caption.c_str(), style, 0, 0, 0, size.cx, size.cy,
                        owner, nullptr)) {
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
        if (skinLabel) {
            CreateSkinLabel(Handle(), place.id, text, rect, true, font);
            continue;
        }
        const HWND label = ::CreateWindowExW(
            0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, rect.left, rect.top,
            rect.right - rect.left, rect.bottom - rect.top, Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), ::GetModuleHandleW(nullptr),
            nullptr);
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // The template for the label replacement, hidden below the visible part of the window.
    CreateSkinLabelTemplate(Handle(),
                            PlaceInPixels(0, kNotice.top + kNotice.height, 555, 135, dpi));
    if (m_productInfo.skinEnabled) {
        ReplaceLabels(Handle());
        SkinForm(Handle());
    }
    return true;
}

void AboutWindow::CreateFonts(int dpi) {
    m_font = CreateUiFont(L"Verdana", 90, FW_NORMAL, dpi);
    m_titleFont = CreateUiFont(L"Verdana", 140, FW_BOLD, dpi);
}

void AboutWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    CreateFonts(dpi);
    for (const auto& place : kLabels) {
        const HWND label = ::GetDlgItem(Handle(), place.id);
        const RECT rect = PlaceInPixels(place.left, place.top, place.width, place.height, dpi);
        ::MoveWindow(label, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     FALSE);
        const HFONT font = place.id == kProductLabel.id ? m_titleFont.Get() : m_font.Get();
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
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
    UniqueFont tagline = CreateUiFont(L"Verdana", 110, FW_BOLD, dpi);
    const HGDIOBJ previous = ::SelectObject(dc, tagline.Get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kArtworkText);
    RECT text{17 * unit, art.top, art.right - 2 * unit, art.bottom};
    ::DrawTextW(dc, L"Folders out of sight, back on demand", -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    ::SelectObject(dc, previous);
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
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    return Window::HandleMessage(message, wParam, lParam);
}
