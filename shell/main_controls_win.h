#pragma once
// The main window's controls around its folder list: the button bar, the banner (the artwork
// until the web banner takes over), the status bar with the Cancel button of a long command, and
// the fonts they are drawn in. Made once, given fonts for the window's DPI, placed in twips.

#include <windows.h>

#include <string>

#include "platform/unique_resource_win.h"
#include "present/web_view_win.h"
#include "shell/main_layout.h"

class MainControls {
public:
    // Creates them, the banner's web view hidden. False when one could not be created.
    bool Create(HWND window, int dpi);
    // Fonts for `dpi`: the bar's, the banner artwork's and the list's (which the status bar
    // shares).
    void ApplyDpi(int dpi);
    HFONT ListFont() const { return m_listFont.Get(); }

    // Places the bar, the banner and the status bar in `window` (its outer size, in twips) and
    // says where the list goes.
    MainLayout Place(HWND window, bool bannerEnabled, int dpi);

    void SetWebsiteCaption(const std::wstring& caption);
    // The web view over the artwork, on `address`.
    void ShowWebBanner(HWND window, const std::wstring& address, int dpi);
    // Owner-draws the banner's artwork; false when `item` is not the banner.
    bool DrawBanner(const DRAWITEMSTRUCT& item, const std::wstring& productName, int dpi);

    HWND StatusBar() const { return m_statusBar; }
    HWND CancelButton() const { return m_cancelBatch; }

private:
    HWND m_buttons[6] = {};
    HWND m_banner = nullptr;  // the artwork shown until the web banner takes over
    WebView m_bannerView;     // the web banner
    HWND m_statusBar = nullptr;
    HWND m_cancelBatch = nullptr;
    UniqueFont m_buttonFont;
    UniqueFont m_listFont;
    UniqueFont m_bannerFont;
};
