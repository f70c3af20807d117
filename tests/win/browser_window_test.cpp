// The browser window with the system's web view. Under Wine the view renders nothing, but it
// takes navigation requests and fires its download and status events inside them.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "platform/window_win.h"
#include "present/browser_layout.h"
#include "present/browser_window_win.h"
#include "present/product_info_win.h"
#include "present/skin_controls_win.h"
#include "tests/win/window_test_support.h"

namespace {

class BrowserWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_browser.Create());
        m_window = m_browser.Handle();
        PumpMessages(500);
    }
    void TearDown() override {
        if (::IsWindow(m_window)) {
            ::DestroyWindow(m_window);
        }
    }

    std::wstring Address() const { return TextOfWindow(m_browser.AddressBox()); }

    std::wstring StatusPanel(int part) const {
        wchar_t text[512] = {};
        ::SendMessageW(m_browser.StatusBar(), SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
        return text;
    }

    RECT ChildRect(int id) const { return RectIn(::GetDlgItem(m_window, id), m_window); }

    int m_closed = 0;
    ProductInfo m_productInfo = LoadProductInfo();
    BrowserWindow m_browser{m_productInfo, [this] { ++m_closed; }};
    HWND m_window = nullptr;
};

}  // namespace

TEST_F(BrowserWindowTest, LoadOpensTheWebsiteMaximisedAndNotOnTop) {
    const ProductInfo info = LoadProductInfo();
    ASSERT_FALSE(info.websiteAddress.empty());
    EXPECT_TRUE(::IsWindowVisible(m_window));
    EXPECT_TRUE(::IsZoomed(m_window));
    EXPECT_FALSE(::GetWindowLongW(m_window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Two panels; the second stays empty.
    EXPECT_EQ(::SendMessageW(m_browser.StatusBar(), SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(StatusPanel(1), L"");
    // The website was asked for unchanged, and its download has completed: the address box
    // shows where the view settled, the caption the page's name.
    ASSERT_TRUE(m_browser.View().HasBrowser());
    const std::wstring settled = m_browser.View().LocationUrl();
    EXPECT_NE(settled.find(L"www.murkwell.example"), std::wstring::npos) << settled;
    EXPECT_EQ(Address(), settled);
    const std::wstring name = m_browser.View().LocationName();
    EXPECT_EQ(TextOfWindow(m_window), name.empty() ? settled : name);
    // Maximised, the frame and the web view inside it end above the status bar.
    const RECT status = RectIn(m_browser.StatusBar(), m_window);
    EXPECT_LE(ChildRect(IDC_BROWSER_FRAME).bottom, status.top);
    EXPECT_LE(ChildRect(IDC_WEB_BROWSER).bottom, ChildRect(IDC_BROWSER_FRAME).bottom);
}

TEST_F(BrowserWindowTest, GoAndEnterNavigateToTheTypedAddress) {
    struct Case {
        const char* how;
        const wchar_t* typed;
        void (*press)(HWND window, HWND address);
    };
    const Case cases[] = {
        {"Go", L"http://go.murkwell.example/page",
         [](HWND window, HWND) {
             ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CMD_GO, BN_CLICKED), 0);
         }},
        {"Enter", L"http://enter.murkwell.example/other",
         [](HWND, HWND address) { ::SendMessageW(address, WM_CHAR, VK_RETURN, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ::SetWindowTextW(m_browser.AddressBox(), c.typed);
        c.press(m_window, m_browser.AddressBox());
        PumpMessages(500);
        EXPECT_EQ(m_browser.View().LocationUrl(), c.typed);
        EXPECT_EQ(Address(), c.typed);
    }
}

TEST_F(BrowserWindowTest, NavigationButtonsWithoutHistoryDoNothing) {
    const std::wstring before = Address();
    for (const int id : {IDC_CMD_BACK, IDC_CMD_FORWARD, IDC_CMD_STOP, IDC_CMD_REFRESH}) {
        ::SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_TRUE(::IsWindow(m_window)) << id;
        EXPECT_EQ(Address(), before) << id;
    }
}

TEST_F(BrowserWindowTest, ButtonsCarryPicturesAndTooltips) {
    for (const int id :
         {IDC_CMD_GO, IDC_CMD_BACK, IDC_CMD_FORWARD, IDC_CMD_STOP, IDC_CMD_REFRESH}) {
        const HWND button = ::GetDlgItem(m_window, id);
        EXPECT_NE(::SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
    }
    // Each picture fits whole: Back to Refresh above the caption (24 pixels at 96 DPI), Go's
    // beside it.
    const int dpi = WindowDpi(m_window);
    for (const int id : {IDC_CMD_BACK, IDC_CMD_FORWARD, IDC_CMD_STOP, IDC_CMD_REFRESH}) {
        const HWND button = ::GetDlgItem(m_window, id);
        RECT area{};
        ::GetClientRect(button, &area);
        EXPECT_GE(area.bottom, ::MulDiv(24 + 8, dpi, 96) + std::abs(FontHeight(button))) << id;
    }
    RECT go{};
    ::GetClientRect(::GetDlgItem(m_window, IDC_CMD_GO), &go);
    EXPECT_GE(go.right, ::MulDiv(46 + 20, dpi, 96));  // the picture, then "Go" and margins
    EXPECT_GE(go.bottom, ::MulDiv(16 + 2, dpi, 96));
    const HWND tooltip = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tooltip, nullptr);
    struct Tip {
        int id;
        const wchar_t* text;
    };
    const Tip tips[] = {{IDC_CMD_GO, L"browse the entered url"},
                        {IDC_CMD_BACK, L"back"},
                        {IDC_CMD_FORWARD, L"forward"},
                        {IDC_CMD_STOP, L"stop"},
                        {IDC_CMD_REFRESH, L"refresh"}};
    for (const auto& tip : tips) {
        HWND owner = nullptr;
        for (HWND candidate = nullptr;
             (candidate = ::FindWindowExW(nullptr, candidate, TOOLTIPS_CLASSW, nullptr));) {
            if (::GetWindow(candidate, GW_OWNER) == m_window) {
                owner = candidate;
            }
        }
        ASSERT_NE(owner, nullptr);
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(m_window, tip.id));
        tool.lpszText = text;
        ::SendMessageW(owner, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tip.text) << tip.id;
    }
}

// Where a picture's opaque pixels reach, as a share of its width and height in percent.
SIZE InkedSpanPercent(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) {
        return {};
    }
    UniqueBitmap colour(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP shape{};
    ::GetObjectW(colour.Get(), sizeof(shape), &shape);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = shape.bmWidth;
    format.bmiHeader.biHeight = -shape.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(shape.bmWidth * shape.bmHeight));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ::GetDIBits(dc.Get(), colour.Get(), 0, shape.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    RECT inked{shape.bmWidth, shape.bmHeight, 0, 0};
    for (int y = 0; y < shape.bmHeight; ++y) {
        for (int x = 0; x < shape.bmWidth; ++x) {
            if (pixels[static_cast<std::size_t>(y * shape.bmWidth + x)] >> 24) {
                inked = {std::min<LONG>(inked.left, x), std::min<LONG>(inked.top, y),
                         std::max<LONG>(inked.right, x + 1), std::max<LONG>(inked.bottom, y + 1)};
            }
        }
    }
    if (inked.right <= inked.left) {
        return {};
    }
    return {100 * (inked.right - inked.left) / shape.bmWidth,
            100 * (inked.bottom - inked.top) / shape.bmHeight};
}

TEST_F(BrowserWindowTest, EveryPictureFillsItsSquare) {
    // A picture drawn at the wrong place or angle shrinks to a dot in one corner.
    for (const int id :
         {IDC_CMD_GO, IDC_CMD_BACK, IDC_CMD_FORWARD, IDC_CMD_STOP, IDC_CMD_REFRESH}) {
        const auto icon = reinterpret_cast<HICON>(
            ::SendMessageW(::GetDlgItem(m_window, id), BM_GETIMAGE, IMAGE_ICON, 0));
        ASSERT_NE(icon, nullptr) << id;
        const SIZE span = InkedSpanPercent(icon);
        EXPECT_GE(span.cx, 70) << id;
        EXPECT_GE(span.cy, 70) << id;
    }
}

TEST_F(BrowserWindowTest, LayoutFollowsTheWindowSize) {
    ::ShowWindow(m_window, SW_RESTORE);
    const int dpi = WindowDpi(m_window);
    for (const int widthTwips : {10545, 6000, 195}) {
        SCOPED_TRACE(widthTwips);
        ::SetWindowPos(m_window, nullptr, 0, 0, TwipsToPixels(widthTwips, dpi),
                       TwipsToPixels(9000, dpi), SWP_NOMOVE | SWP_NOZORDER);
        RECT window{};
        RECT client{};
        RECT status{};
        ::GetWindowRect(m_window, &window);
        ::GetClientRect(m_window, &client);
        ::GetWindowRect(m_browser.StatusBar(), &status);
        BrowserLayoutInput input{PixelsToTwips(window.right - window.left, dpi),
                                 PixelsToTwips(window.bottom - window.top, dpi),
                                 PixelsToTwips(client.bottom, dpi),
                                 PixelsToTwips(status.bottom - status.top, dpi),
                                 540,
                                 1080,
                                 120,
                                 1395};
        const BrowserLayout expected = LayoutBrowser(input);
        const RECT frame = ChildRect(IDC_BROWSER_FRAME);
        EXPECT_EQ(frame.right - frame.left, TwipsToPixels(expected.frameWidth, dpi));
        EXPECT_EQ(frame.bottom - frame.top, TwipsToPixels(expected.frameHeight, dpi));
        const RECT address = ChildRect(IDC_TXT_ADDRESS);
        EXPECT_EQ(address.right - address.left, TwipsToPixels(expected.addressWidth, dpi));
        EXPECT_EQ(ChildRect(IDC_CMD_GO).left, TwipsToPixels(expected.goButtonLeft, dpi));
        const RECT view = ChildRect(IDC_WEB_BROWSER);
        EXPECT_EQ(view.right - view.left, TwipsToPixels(expected.webViewWidth, dpi));
        EXPECT_EQ(view.bottom - view.top, TwipsToPixels(expected.webViewHeight, dpi));
        int parts[2] = {};
        ::SendMessageW(m_browser.StatusBar(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
        const int panel = static_cast<int>(std::lround(expected.statusPanelWidth * dpi / 1440.0));
        EXPECT_EQ(parts[0], panel);
        EXPECT_EQ(parts[1], 2 * panel);
        // Nothing else moves.
        EXPECT_EQ(ChildRect(IDC_CMD_BACK).left, TwipsToPixels(540, dpi));
        EXPECT_EQ(ChildRect(IDC_TXT_ADDRESS).left, TwipsToPixels(540, dpi));
    }
}

TEST_F(BrowserWindowTest, ClosingTellsTheProgram) {
    EXPECT_EQ(m_closed, 0);
    ::DestroyWindow(m_window);
    EXPECT_EQ(m_closed, 1);
}

namespace {

int IconWidth(HWND button) {
    ICONINFO info{};
    const auto icon = reinterpret_cast<HICON>(::SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
    if (!icon || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

}  // namespace

TEST_F(BrowserWindowTest, MovedToAScreenOfAnotherDpiEverythingFollowsOnce) {
    ::ShowWindow(m_window, SW_RESTORE);
    const int dpi = WindowDpi(m_window);
    const int doubled = 2 * dpi;
    const HWND back = ::GetDlgItem(m_window, IDC_CMD_BACK);
    const RECT backBefore = ChildRect(IDC_CMD_BACK);
    const int pictureBefore = IconWidth(back);
    RECT window{};
    ::GetWindowRect(m_window, &window);
    // The system suggests the size for the new DPI; it fits the screen here.
    RECT suggested{window.left, window.top, window.left + 800, window.top + 600};

    ::SendMessageW(m_window, WM_DPICHANGED, MAKEWPARAM(doubled, doubled),
                   reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(FontHeight(m_browser.AddressBox()), -::MulDiv(80, doubled, 720));
    EXPECT_EQ(FontHeight(back), -::MulDiv(80, doubled, 720));
    const RECT backAfter = ChildRect(IDC_CMD_BACK);
    EXPECT_NEAR(backAfter.bottom - backAfter.top, 2 * (backBefore.bottom - backBefore.top), 1);
    EXPECT_NEAR(backAfter.left, 2 * backBefore.left, 1);
    EXPECT_EQ(IconWidth(back), 2 * pictureBefore);
    RECT now{};
    ::GetWindowRect(m_window, &now);
    EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
}

TEST_F(BrowserWindowTest, EveryButtonShowsItsPictureAtEachDpi) {
    ::ShowWindow(m_window, SW_RESTORE);
    RECT window{};
    ::GetWindowRect(m_window, &window);
    for (const int dpi : {96, 120, 144, 168, 192}) {
        RECT suggested{window.left, window.top, window.left + 1000, window.top + 700};
        ::SendMessageW(m_window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        for (const int id : {IDC_CMD_BACK, IDC_CMD_FORWARD, IDC_CMD_STOP, IDC_CMD_REFRESH}) {
            const HWND button = ::GetDlgItem(m_window, id);
            const ButtonFace face = SkinnedButtonFace(button, dpi);
            EXPECT_EQ(face.arrangement, ButtonArrangement::PictureAbove) << id << " at " << dpi;
            EXPECT_EQ(face.picture.Width(), IconWidth(button)) << id << " at " << dpi;
        }
        // Go is low: its picture goes beside "Go", a little smaller where rounding leaves the
        // button short.
        const HWND go = ::GetDlgItem(m_window, IDC_CMD_GO);
        const ButtonFace face = SkinnedButtonFace(go, dpi);
        EXPECT_EQ(face.arrangement, ButtonArrangement::PictureBeside) << dpi;
        EXPECT_GE(face.picture.Width(), IconWidth(go) * 3 / 4) << dpi;
    }
}
