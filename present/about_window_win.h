#pragma once
// The About window, frmAbout: the product's artwork, name, version, owner and website.

#include <functional>

#include "platform/unique_resource_win.h"
#include "platform/window_win.h"
#include "present/product_info.h"

class AboutWindow final : public Window {
public:
    // `openWebsite` runs when the website's address is clicked.
    explicit AboutWindow(const ProductInfo& productInfo, std::function<void()> openWebsite = {})
        : m_productInfo(productInfo), m_openWebsite(std::move(openWebsite)) {}

    bool Create(HWND owner);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateFonts(int dpi);
    HFONT FontOf(int id) const;
    // Moved to a screen of another DPI: fonts, labels and size follow it.
    void OnDpiChanged(int dpi, const RECT& suggested);
    void PaintArtwork(HDC dc) const;

    const ProductInfo& m_productInfo;
    UniqueFont m_font;
    UniqueFont m_titleFont;
    UniqueFont m_linkFont;
    std::function<void()> m_openWebsite;
};

inline constexpr wchar_t kAboutWindowClass[] = L"MurkwellAbout";
