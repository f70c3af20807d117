#include "present/banner_win.h"

#include "platform/twips.h"
#include "present/picture_box_win.h"
#include "present/web_view_win.h"

HWND ShowBanner(HWND window,
                WebView& banner,
                HWND picture,
                const std::wstring& bannerAddress,
                ScaleMode scaleMode,
                int dpi) {
    const HWND view = banner.Handle();
    RECT place{};
    ::GetWindowRect(view, &place);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const int margin = scaleMode == ScaleMode::Pixels ? BannerMargin(scaleMode)
                                                      : TwipsToPixels(BannerMargin(scaleMode), dpi);
    const RECT boxRect{place.left, place.top, place.left + std::max(0, width - margin),
                       place.bottom};
    const HWND box = CreatePictureBox(window, IDC_PIC_BOX, boxRect, false);
    if (!box) {
        return nullptr;
    }
    ::SetParent(view, box);
    ::SetWindowPos(view, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(box, SW_SHOW);
    ::UpdateWindow(box);
    ::ShowWindow(view, SW_SHOW);
    ::ShowWindow(picture, SW_HIDE);
    (void)banner.Navigate(bannerAddress);
    return box;
}
