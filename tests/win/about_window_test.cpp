// The About window in a process of its own making.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "present/about_window_win.h"
#include "present/product_info_win.h"
#include "resources/resource_ids.h"
#include "tests/win/window_test_support.h"

namespace {

constexpr int kProductLabelId = 401;
constexpr int kProductLabelHeightTwips = 435;

}  // namespace

TEST(AboutWindow, MovedToAScreenOfAnotherDpiFontsAndPlacesFollowOnce) {
    ProductInfo info = LoadProductInfo();
    info.skinEnabled = false;
    AboutWindow about(info);
    ASSERT_TRUE(about.Create(nullptr));
    const HWND window = about.Handle();
    const HWND product = ::GetDlgItem(window, kProductLabelId);
    ASSERT_NE(product, nullptr);
    const int dpi = WindowDpi(window);
    EXPECT_EQ(FontHeight(product), -::MulDiv(140, dpi, 720));

    const int changed = dpi * 3 / 2;
    RECT rect{};
    ::GetWindowRect(window, &rect);
    RECT suggested{rect.left, rect.top, rect.left + (rect.right - rect.left) * 3 / 2,
                   rect.top + (rect.bottom - rect.top) * 3 / 2};
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(changed, changed),
                   reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(FontHeight(product), -::MulDiv(140, changed, 720));
    const RECT label = RectIn(product, window);
    EXPECT_EQ(label.bottom - label.top, TwipsToPixels(kProductLabelHeightTwips, changed));
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, suggested.right - suggested.left);
    ::DestroyWindow(window);
}

TEST(AboutWindow, WearsTheProgramsIconForAltTabAndTheTaskbar) {
    ProductInfo info = LoadProductInfo();
    info.skinEnabled = false;
    AboutWindow about(info);
    ASSERT_TRUE(about.Create(nullptr));
    // Shared icons of one resource and one size are one handle: the class took the program's.
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto programIcon = [&](int width, int height) {
        return reinterpret_cast<ULONG_PTR>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_MURKWELL),
                                                        IMAGE_ICON, ::GetSystemMetrics(width),
                                                        ::GetSystemMetrics(height), LR_SHARED));
    };
    const ULONG_PTR bigIcon = ::GetClassLongPtrW(about.Handle(), GCLP_HICON);
    const ULONG_PTR smallIcon = ::GetClassLongPtrW(about.Handle(), GCLP_HICONSM);
    EXPECT_NE(bigIcon, 0u);
    EXPECT_EQ(bigIcon, programIcon(SM_CXICON, SM_CYICON));
    EXPECT_EQ(smallIcon, programIcon(SM_CXSMICON, SM_CYSMICON));
}
