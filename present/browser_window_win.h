#pragma once
// The browser window, frmWebsite: the product website in the system's web view, with an
// address box, Go, Back, Forward, Stop and Refresh, and a two-panel status bar.

#include <functional>

#include "platform/unique_resource_win.h"
#include "platform/window_win.h"
#include "present/product_info.h"
#include "present/web_view_win.h"

class BrowserWindow final : public Window {
public:
    // `closed` runs as the window closes: the program may end with it.
    BrowserWindow(const ProductInfo& productInfo, std::function<void()> closed)
        : m_productInfo(productInfo), m_closed(std::move(closed)) {}

    // Makes the window and runs its load: it opens on the website, maximised.
    bool Create();

    HWND AddressBox() const { return m_address; }
    HWND StatusBar() const { return m_statusBar; }
    WebView& View() { return m_webView; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateControls();
    void Load();
    void LayoutBrowser();
    void ApplyFont();
    // Moved to a screen of another DPI: fonts, pictures, places and size follow it.
    void OnDpiChanged(int dpi, const RECT& suggested);
    void Go();
    void OnStatusTextChange(const std::wstring& text);
    void OnDownloadComplete();
    static LRESULT CALLBACK AddressBoxProc(HWND edit,
                                           UINT message,
                                           WPARAM wParam,
                                           LPARAM lParam,
                                           UINT_PTR id,
                                           DWORD_PTR data);
    // Enter in the address box goes to the address typed.
    static LRESULT AddressBoxMessage(HWND edit,
                                     UINT message,
                                     WPARAM wParam,
                                     LPARAM lParam,
                                     UINT_PTR id,
                                     DWORD_PTR data);

    const ProductInfo& m_productInfo;
    std::function<void()> m_closed;
    WebView m_webView;
    UniqueFont m_font;
    int m_dpi = 96;  // what the fonts, pictures and places are made for
    UniqueIcon m_pictures[5];
    HWND m_statusBar = nullptr;
    HWND m_frame = nullptr;
    HWND m_address = nullptr;
    HWND m_buttons[5] = {};  // Go, Back, Forward, Stop, Refresh
    HWND m_tooltip = nullptr;
};

inline constexpr wchar_t kBrowserWindowClass[] = L"MurkwellBrowser";

// Identifiers of the browser window's controls.
inline constexpr int IDC_BROWSER_STATUS = 601;
inline constexpr int IDC_BROWSER_FRAME = 602;
inline constexpr int IDC_BROWSER_URL_LABEL = 603;
inline constexpr int IDC_TXT_ADDRESS = 604;
inline constexpr int IDC_CMD_GO = 605;
inline constexpr int IDC_CMD_BACK = 606;
inline constexpr int IDC_CMD_FORWARD = 607;
inline constexpr int IDC_CMD_STOP = 608;
inline constexpr int IDC_CMD_REFRESH = 609;
inline constexpr int IDC_WEB_BROWSER = 610;
