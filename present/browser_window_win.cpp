#include "present/browser_window_win.h"

#include "platform/callback_guard_win.h"

#include <commctrl.h>

#include <cmath>

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/twips.h"
#include "present/browser_layout.h"
#include "present/button_pictures_win.h"
#include "present/on_top_win.h"
#include "present/product_info_win.h"
#include "present/skin_controls_win.h"
#include "present/skin_engine_win.h"
#include "present/skin_form_win.h"

namespace {

constexpr int kClientWidthTwips = 10545;
constexpr int kClientHeightTwips = 8580;
constexpr UINT_PTR kAddressSubclassId = 0x4D414431;  // "MAD1"

struct Placed {
    int left, top, width, height;  // twips
};

constexpr Placed kFrame{0, 0, 6375, 7215};
constexpr Placed kTemplateLabel{3180, 6840, 555, 135};
constexpr Placed kUrlLabel{120, 300, 1215, 255};
constexpr Placed kAddress{540, 240, 4590, 315};
constexpr Placed kWebView{120, 1395, 6135, 5340};

struct ButtonDesign {
    int id;
    Placed place;
    const wchar_t* caption;
    const wchar_t* tooltip;
    ButtonPicture picture;
};

constexpr ButtonDesign kButtons[5] = {
    {IDC_CMD_GO, {5175, 240, 1080, 315}, L"Go", L"browse the entered url", ButtonPicture::Go},
    {IDC_CMD_BACK, {540, 600, 1000, 690}, L"Back", L"back", ButtonPicture::Back},
    {IDC_CMD_FORWARD, {1620, 600, 1000, 690}, L"Forward", L"forward", ButtonPicture::Forward},
    {IDC_CMD_STOP, {2700, 600, 1000, 690}, L"Stop", L"stop", ButtonPicture::Stop},
    {IDC_CMD_REFRESH, {3780, 600, 1000, 690}, L"Refresh", L"refresh", ButtonPicture::Refresh},
};

RECT InPixels(const Placed& place, int dpi) {
    return PlaceInPixels(place.left, place.top, place.width, place.height, dpi);
}

HWND MakeControl(HWND parent,
                 const wchar_t* className,
                 const wchar_t* text,
                 DWORD style,
                 int id,
                 const RECT& rect,
                 DWORD exStyle = 0) {
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style,
                             rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

// Moves a control only when it has somewhere new to go: the layout runs on every repaint.
void Place(HWND control, int left, int top, int width, int height) {
    RECT now{};
    ::GetWindowRect(control, &now);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&now), 2);
    if (now.left == left && now.top == top && now.right - now.left == width &&
        now.bottom - now.top == height) {
        return;
    }
    ::SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool BrowserWindow::Create() {
    m_dpi = WindowDpi(nullptr);
    const int dpi = m_dpi;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const SIZE size =
        OuterSizeForClient({kClientWidthTwips, kClientHeightTwips}, style, false, dpi);
    if (!CreateWindowOf(kBrowserWindowClass, L"frmWebsite", style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        size.cx, size.cy, nullptr, nullptr)) {
        return false;
    }
    FitInWorkArea(Handle());
    if (!CreateControls()) {
        ::DestroyWindow(Handle());
        return false;
    }
    Load();
    return true;
}

bool BrowserWindow::CreateControls() {
    const HWND hwnd = Handle();
    const int dpi = m_dpi;
    m_font = CreateUiFont(L"Verdana", 80, FW_NORMAL, dpi);

    // Created top of the z-order first: the address box and buttons lie over the frame, and tab
    // in that order. The address box's label comes just before it, where a screen reader looks
    // for the name of a box.
    MakeControl(hwnd, WC_STATICW, L"URL:", WS_VISIBLE | SS_NOPREFIX, IDC_BROWSER_URL_LABEL,
                InPixels(kUrlLabel, dpi));
    m_address = MakeControl(hwnd, WC_EDITW, L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                            IDC_TXT_ADDRESS, InPixels(kAddress, dpi), WS_EX_CLIENTEDGE);
    ::SetWindowSubclass(m_address, AddressBoxProc, kAddressSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    m_tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 5; ++i) {
        const ButtonDesign& design = kButtons[i];
        m_buttons[i] =
            MakeControl(hwnd, WC_BUTTONW, design.caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        design.id, InPixels(design.place, dpi));
        m_pictures[i] = MakeButtonPicture(design.picture, dpi);
        SetButtonPicture(m_buttons[i], m_pictures[i].Get());
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(m_buttons[i]);
        tool.lpszText = const_cast<wchar_t*>(design.tooltip);
        ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    CreateSkinLabelTemplate(hwnd, InPixels(kTemplateLabel, dpi));
    m_frame = MakeControl(hwnd, WC_BUTTONW, L"Browser", WS_VISIBLE | BS_GROUPBOX, IDC_BROWSER_FRAME,
                          InPixels(kFrame, dpi));
    WebView::Events events;
    events.statusTextChange = [this](const std::wstring& text) { OnStatusTextChange(text); };
    events.downloadComplete = [this] { OnDownloadComplete(); };
    m_webView.Create(hwnd, IDC_WEB_BROWSER, InPixels(kWebView, dpi), true, L"Web page",
                     std::move(events));
    // The web view lies over the frame.
    ::SetWindowPos(m_webView.Handle(), m_buttons[4], 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_statusBar = MakeControl(hwnd, STATUSCLASSNAMEW, L"", WS_VISIBLE | SBARS_SIZEGRIP,
                              IDC_BROWSER_STATUS, {0, 0, 0, 0});
    ApplyFont();
    return m_address && m_frame && m_statusBar && m_buttons[4];
}

void BrowserWindow::ApplyFont() {
    for (const HWND control :
         {m_address, ::GetDlgItem(Handle(), IDC_BROWSER_URL_LABEL), m_frame, m_buttons[0],
          m_buttons[1], m_buttons[2], m_buttons[3], m_buttons[4], m_statusBar}) {
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    }
}

void BrowserWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    m_dpi = dpi;
    m_font = CreateUiFont(L"Verdana", 80, FW_NORMAL, dpi);
    ApplyFont();
    // The buttons along the top and the label keep their design places; the rest follows the
    // window's size in LayoutBrowser.
    for (int i = 0; i < 5; ++i) {
        const RECT place = InPixels(kButtons[i].place, dpi);
        Place(m_buttons[i], place.left, place.top, place.right - place.left,
              place.bottom - place.top);
        m_pictures[i] = MakeButtonPicture(kButtons[i].picture, dpi);
        SetButtonPicture(m_buttons[i], m_pictures[i].Get());
    }
    const RECT label = InPixels(kUrlLabel, dpi);
    Place(::GetDlgItem(Handle(), IDC_BROWSER_URL_LABEL), label.left, label.top,
          label.right - label.left, label.bottom - label.top);
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutBrowser();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void BrowserWindow::Load() {
    // The second panel, with its settings left alone.
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int parts[2] = {client.right / 2, -1};
    ::SendMessageW(m_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    const std::wstring website = Widen(m_productInfo.websiteAddress);
    ::SetWindowTextW(Handle(), website.c_str());
    SetOnTop(Handle(), true);
    if (m_productInfo.skinEnabled) {
        // The "URL:" label shares the template's container, so it gets a skin label.
        ReplaceLabels(Handle());
        SkinForm(Handle());
    }
    (void)m_webView.Navigate(website);
    ::ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    SetOnTop(Handle(), false);
}

void BrowserWindow::LayoutBrowser() {
    const HWND hwnd = Handle();
    if (!m_statusBar || ::IsIconic(hwnd)) {
        return;
    }
    const int dpi = m_dpi;
    ::SendMessageW(m_statusBar, WM_SIZE, 0, 0);  // the status bar spans the bottom by itself
    const SizeInTwips window = OuterSizeInTwips(hwnd, dpi);
    BrowserLayoutInput input;
    input.windowWidth = window.width;
    input.windowHeight = window.height;
    RECT client{};
    ::GetClientRect(hwnd, &client);
    input.clientHeight = PixelsToTwips(client.bottom, dpi);
    input.statusBarHeight = OuterSizeInTwips(m_statusBar, dpi).height;
    input.addressLeft = kAddress.left;
    input.goButtonWidth = kButtons[0].place.width;
    input.webViewLeft = kWebView.left;
    input.webViewTop = kWebView.top;
    const BrowserLayout layout = ::LayoutBrowser(input);

    const int panel = TwipsToPixels(layout.statusPanelWidth, dpi);
    int parts[2] = {0, 0};
    ::SendMessageW(m_statusBar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    if (parts[0] != panel || parts[1] != 2 * panel) {
        const int wanted[2] = {panel, 2 * panel};
        ::SendMessageW(m_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(wanted));
    }
    auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    Place(m_frame, 0, 0, px(layout.frameWidth), px(layout.frameHeight));
    Place(m_address, px(kAddress.left), px(kAddress.top), px(layout.addressWidth),
          px(kAddress.height));
    Place(m_buttons[0], px(layout.goButtonLeft), px(kButtons[0].place.top),
          px(kButtons[0].place.width), px(kButtons[0].place.height));
    Place(m_webView.Handle(), px(kWebView.left), px(kWebView.top), px(layout.webViewWidth),
          px(layout.webViewHeight));
}

void BrowserWindow::Go() {
    (void)m_webView.Navigate(TextOfWindow(m_address));  // the text goes as typed
}

void BrowserWindow::OnStatusTextChange(const std::wstring& text) {
    ::SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void BrowserWindow::OnDownloadComplete() {
    const std::wstring url = m_webView.LocationUrl();
    const std::wstring name = m_webView.LocationName();
    ::SetWindowTextW(m_address, url.c_str());
    // A page with no name is known by its address, as the system's own view names it; a view
    // that reports no name at all must not leave the window without a caption.
    ::SetWindowTextW(Handle(), (name.empty() ? url : name).c_str());
}

LRESULT BrowserWindow::AddressBoxMessage(HWND edit,
                                         UINT message,
                                         WPARAM wParam,
                                         LPARAM lParam,
                                         UINT_PTR,
                                         DWORD_PTR data) {
    switch (message) {
        case WM_GETDLGCODE:
            // Enter belongs to the address box, not to the window's keyboard handling.
            if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
                return ::DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
            }
            break;
        case WM_CHAR:
            if (wParam == VK_RETURN) {
                reinterpret_cast<BrowserWindow*>(data)->Go();  // and the key goes on as typed
            }
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(edit, AddressBoxProc, kAddressSubclassId);
            break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK BrowserWindow::AddressBoxProc(HWND window,
                                               UINT message,
                                               WPARAM wParam,
                                               LPARAM lParam,
                                               UINT_PTR id,
                                               DWORD_PTR data) {
    return GuardSubclassProc("the address box", AddressBoxMessage, window, message, wParam, lParam,
                             id, data);
}

LRESULT BrowserWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            LayoutBrowser();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_PAINT: {
            LayoutBrowser();
            PAINTSTRUCT paint;
            ::BeginPaint(Handle(), &paint);
            ::EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_CMD_GO:
                    Go();
                    return 0;
                // With no page to go to, the web view refuses: nothing happens, as intended.
                case IDC_CMD_BACK:
                    (void)m_webView.GoBack();
                    return 0;
                case IDC_CMD_FORWARD:
                    (void)m_webView.GoForward();
                    return 0;
                case IDC_CMD_STOP:
                    (void)m_webView.Stop();
                    return 0;
                case IDC_CMD_REFRESH:
                    (void)m_webView.Refresh();
                    return 0;
            }
            break;
        case WM_DESTROY:
            if (m_closed) {
                m_closed();
            }
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
