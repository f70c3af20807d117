// The main window's banner set-up: the web view moved into a picture box a margin narrower
// than itself, the picture in its place hidden, the banner page asked for.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/twips.h"
#include "platform/window_win.h"
#include "present/banner_win.h"
#include "present/picture_box_win.h"
#include "present/product_info_win.h"
#include "present/web_view_win.h"
#include "tests/win/window_test_support.h"

TEST(Banner, SitsInAPictureBoxAMarginNarrower) {
    struct Case {
        ScaleMode scaleMode;
        int marginPixels;  // at the window's DPI
    };
    const int dpi = WindowDpi(nullptr);
    const Case cases[] = {{ScaleMode::Twips, TwipsToPixels(280, dpi)}, {ScaleMode::Pixels, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.scaleMode));
        const HWND window =
            ::CreateWindowExW(0, L"STATIC", L"Form1", WS_OVERLAPPEDWINDOW, 0, 0, 800, 400, nullptr,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr);
        const HWND picture = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 4, 68, 489,
                                               63, window, nullptr, nullptr, nullptr);
        WebView banner;
        banner.Create(window, 114, {4, 68, 493, 131}, true, L"Web banner");
        const ProductInfo info = LoadProductInfo();

        const HWND box =
            ShowBanner(window, banner, picture, Widen(info.bannerAddress), c.scaleMode, dpi);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(::GetParent(banner.Handle()), box);
        EXPECT_EQ(RectIn(box, window).left, 4);
        EXPECT_EQ(RectIn(box, window).top, 68);
        EXPECT_EQ(RectIn(box, window).right - 4, 489 - c.marginPixels);
        EXPECT_EQ(RectIn(box, window).bottom - 68, 63);
        // The view keeps its size at the box's corner; its right-hand strip lies outside.
        const RECT view = RectIn(banner.Handle(), box);
        EXPECT_EQ(view.left, 0);
        EXPECT_EQ(view.top, 0);
        EXPECT_EQ(view.right, 489);
        EXPECT_EQ(view.bottom, 63);
        EXPECT_TRUE(::GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE);
        EXPECT_TRUE(::GetWindowLongW(banner.Handle(), GWL_STYLE) & WS_VISIBLE);
        EXPECT_FALSE(::GetWindowLongW(picture, GWL_STYLE) & WS_VISIBLE);
        // The banner page beside the program was asked for.
        PumpMessages(300);
        ASSERT_TRUE(banner.HasBrowser());
        // Named for a screen reader, not after the control's class.
        EXPECT_EQ(TextOfWindow(banner.Handle()), L"Web banner");
        EXPECT_NE(banner.LocationUrl().find(L"banner.html"), std::wstring::npos)
            << Narrow(banner.LocationUrl());
        ::DestroyWindow(window);
    }
}
