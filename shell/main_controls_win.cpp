#include "shell/main_controls_win.h"

#include <commctrl.h>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "platform/window_win.h"
#include "present/artwork_win.h"
#include "present/banner_win.h"
#include "present/skin_form_win.h"
#include "shell/main_window_ids.h"

namespace {

constexpr int kButtonBarHeightTwips = 975;
constexpr int kButtonTopTwips = 60;
constexpr int kButtonWidthTwips = 1155;
constexpr int kButtonHeightTwips = 855;
constexpr int kButtonPitchTwips = 1200;
constexpr int kBannerLeftTwips = 60;
constexpr int kBannerTopTwips = 1020;
constexpr int kBannerWidthTwips = 7335;
constexpr int kBannerHeightTwips = 945;

constexpr int kButtonIds[6] = {IDC_CMD_ADD,  IDC_CMD_DEL,     IDC_CMD_HIDE,
                               IDC_CMD_SHOW, IDC_CMD_OPTIONS, IDC_CMD_WEBSITE};
constexpr const wchar_t* kButtonCaptions[6] = {L"Add",  L"Remove ", L"Hide",
                                               L"Show", L"Options", L""};
// The last button of the bar: its caption names the website and its width follows the window.
constexpr std::size_t kWebsiteButton = 5;

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

bool MainControls::Create(HWND window, int dpi) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (int i = 0; i < 6; ++i) {
        m_buttons[i] = ::CreateWindowExW(0, WC_BUTTONW, kButtonCaptions[i],
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                                         10, 10, window, ChildId(kButtonIds[i]), instance, nullptr);
    }
    m_banner = ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | SS_OWNERDRAW, 0, 0, 10, 10, window,
                                 ChildId(IDC_PIC_BANNER), instance, nullptr);
    m_bannerView.Create(window, IDC_WEB_BANNER,
                        PlaceInPixels(kBannerLeftTwips, kBannerTopTwips, kBannerWidthTwips,
                                      kBannerHeightTwips, dpi),
                        false, L"Web banner");
    // The window has no plain labels; the template is there for the label replacement all the
    // same, hidden under the button bar.
    CreateSkinLabelTemplate(window, PlaceInPixels(0, 0, 555, 135, dpi));
    m_statusBar =
        ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                          0, window, ChildId(IDC_STATUS_BAR), instance, nullptr);
    m_cancelBatch = ::CreateWindowExW(0, WC_BUTTONW, L"Cancel", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10,
                                      10, window, ChildId(IDC_CMD_CANCEL_BATCH), instance, nullptr);
    ApplyDpi(dpi);
    for (const HWND button : m_buttons) {
        if (!button) {
            return false;
        }
    }
    return m_statusBar && m_banner && m_cancelBatch;
}

void MainControls::ApplyDpi(int dpi) {
    m_buttonFont = CreateUiFont(L"Verdana", 83, FW_BOLD, dpi);  // 8.25 pt
    m_listFont = CreateSystemFont(SystemFont::Message, dpi);
    m_bannerFont = CreateUiFont(L"Verdana", 160, FW_BOLD, dpi);
    for (const HWND button : m_buttons) {
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.Get()), TRUE);
    }
    ::SendMessageW(m_statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), TRUE);
    ::SendMessageW(m_cancelBatch, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), TRUE);
}

MainLayout MainControls::Place(HWND window, bool bannerEnabled, int dpi) {
    for (int i = 0; i < 6; ++i) {
        MoveInTwips(m_buttons[i], i * kButtonPitchTwips, kButtonTopTwips, kButtonWidthTwips,
                    kButtonHeightTwips, dpi);
    }
    MoveInTwips(m_banner, kBannerLeftTwips, kBannerTopTwips, kBannerWidthTwips, kBannerHeightTwips,
                dpi);
    ::SendMessageW(m_statusBar, WM_SIZE, 0, 0);

    const SizeInTwips outer = OuterSizeInTwips(window, dpi);
    MainLayoutInput input;
    input.windowWidth = outer.width;
    input.windowHeight = outer.height;
    RECT client{};
    ::GetClientRect(window, &client);
    input.clientHeight = PixelsToTwips(client.bottom, dpi);
    input.buttonBarHeight = kButtonBarHeightTwips;
    input.statusBarHeight = OuterSizeInTwips(m_statusBar, dpi).height;
    input.bannerEnabled = bannerEnabled;
    input.bannerHeight = kBannerHeightTwips;
    input.websiteButtonLeft = static_cast<int>(kWebsiteButton) * kButtonPitchTwips;
    const MainLayout layout = ComputeMainLayout(input);
    MoveInTwips(m_buttons[kWebsiteButton], input.websiteButtonLeft, kButtonTopTwips,
                layout.websiteButtonWidth, kButtonHeightTwips, dpi);
    return layout;
}

void MainControls::SetWebsiteCaption(const std::wstring& caption) {
    ::SetWindowTextW(m_buttons[kWebsiteButton], caption.c_str());
}

void MainControls::ShowWebBanner(HWND window, const std::wstring& address, int dpi) {
    ::ShowWindow(m_bannerView.Handle(), SW_SHOW);
    ::BringWindowToTop(m_bannerView.Handle());
    // The picture box it makes is a child of the window and goes with it.
    ShowBanner(window, m_bannerView, m_banner, address, ScaleMode::Twips, dpi);
}

bool MainControls::DrawBanner(const DRAWITEMSTRUCT& item,
                              const std::wstring& productName,
                              int dpi) {
    if (item.hwndItem != m_banner) {
        return false;
    }
    DrawBannerArtwork(item.hDC, item.rcItem, productName, m_bannerFont.Get(), dpi);
    return true;
}
