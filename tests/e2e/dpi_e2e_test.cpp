// The real program at 96, 144 and 192 DPI, read back from the screen: every text scaled once
// from its 96-DPI size, none cut by its control, and the window whole on the screen.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

#include "tests/e2e/main_window_fixture.h"
#include "tests/e2e/screen_ink.h"

namespace {

constexpr int kDpis[] = {96, 144, 192};
constexpr int kAboutProductLabel = 401;  // the product name, in the About window's title font
constexpr int kAboutVersionCaption = 402;

void SetSystemDpi(int dpi) {
    const DWORD value = static_cast<DWORD>(dpi);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &value,
                      sizeof(value));
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

// The left part of a control, where its text starts and no divider or grip is drawn.
RECT LeftPart(RECT rect, double share) {
    rect.right = rect.left + static_cast<int>((rect.right - rect.left) * share);
    return rect;
}

RECT Inset(RECT rect, int by) {
    ::InflateRect(&rect, -by, -by);
    return rect;
}

class DpiTest : public MainWindowTest {
protected:
    void SetUp() override {
        // Screen pixels as they are: no scaling of other programs' coordinates for this one.
        ::SetProcessDPIAware();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        SetSystemDpi(96);
    }

    // One text per place, by name: its height in pixels; and whether each stayed whole.
    std::map<std::string, int> heights;
    std::map<std::string, bool> whole;

    void Measure(const std::string& name, const RECT& area, const RECT& bounds) {
        const InkBox ink = InkIn(area);
        EXPECT_TRUE(ink.found) << name;
        heights[name] = ink.Height();
        whole[name] = ink.InsideWithMargin(bounds);
        if (!whole[name]) {
            ADD_FAILURE() << name << ": marks " << ink.left << "," << ink.top << " - " << ink.right
                          << "," << ink.bottom << " in " << bounds.left << "," << bounds.top
                          << " - " << bounds.right << "," << bounds.bottom;
        }
    }
};

}  // namespace

TEST_F(DpiTest, TextScalesOnceAndStaysWholeAtEveryDpi) {
    scratch.MakeFolder(L"LedgerHIDDEN123456");  // hidden by a batch the list did not record
    std::map<std::string, int> at96;
    for (const int dpi : kDpis) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
        SetSystemDpi(dpi);
        PrepareList({{Scratch(L"Ledger"), "Visible"}});
        Start();
        ASSERT_TRUE(WaitForStatus(L"Corrected 1 folders to match the disk"));
        ::Sleep(300);  // the row's new word painted

        const RECT frame = WindowRectOf(window);
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_GE(frame.left, work.left);
        EXPECT_GE(frame.top, work.top);
        EXPECT_LE(frame.right, work.right);
        EXPECT_LE(frame.bottom, work.bottom);

        const RECT listRect = WindowRectOf(list);
        const RECT statusRect = WindowRectOf(statusBar);
        EXPECT_LE(listRect.bottom, statusRect.top) << "the list runs under the status bar";

        // Inside the focused row's dotted ring, which runs along the cells' edges.
        const RECT path = CellRectOnScreen(list, 0, 0);
        Measure("list path", Inset(path, 2), Inset(path, 1));
        const RECT word = CellRectOnScreen(list, 0, 1);
        Measure("list status", Inset(word, 2), Inset(word, 1));
        const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
        Measure("list header", LeftPart(WindowRectOf(header), 0.5), WindowRectOf(header));
        Measure("status bar", LeftPart(WindowRectOf(statusBar), 0.6), WindowRectOf(statusBar));
        const RECT add = WindowRectOf(ChildById(window, IDC_CMD_ADD));
        Measure("button", Inset(add, ::MulDiv(6, dpi, 96)), Inset(add, ::MulDiv(5, dpi, 96)));
        POINT clientTop{0, 0};
        ::ClientToScreen(window, &clientTop);
        heights["caption and menu bar"] = clientTop.y - frame.top;
        // The caption (dark) and the menu bar (light) above the client area, told apart in a
        // strip where neither has text.
        const int width = frame.right - frame.left;
        const auto rows = RowBrightness(
            {frame.left + width * 55 / 100, frame.top, frame.left + width * 60 / 100, clientTop.y});
        int menuTop = frame.top;
        for (std::size_t y = 0; y < rows.size(); ++y) {
            if (rows[y] >= 128) {
                menuTop = frame.top + static_cast<int>(y);
                break;
            }
        }
        ASSERT_GT(menuTop, frame.top);
        // Past the window's icon; inside the lines that edge each band.
        const int edge = ::MulDiv(2, dpi, 96);
        const RECT captionBand{frame.left + ::MulDiv(30, dpi, 96), frame.top + edge,
                               frame.left + width * 55 / 100, menuTop - 1};
        Measure("caption", captionBand, captionBand);
        const RECT menuBand{frame.left + ::MulDiv(8, dpi, 96), menuTop + edge,
                            frame.left + width * 55 / 100, clientTop.y - edge};
        Measure("menu bar", menuBand, menuBand);

        Menu(IDM_ABOUT_ITEM);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (about = FindVisibleWindow(Pid(), L"MurkwellAbout")) != nullptr; }));
        ::Sleep(300);
        const RECT product = WindowRectOf(::GetDlgItem(about, kAboutProductLabel));
        Measure("about title", product, product);
        const RECT caption = WindowRectOf(::GetDlgItem(about, kAboutVersionCaption));
        Measure("about text", caption, caption);
        ::PostMessageW(about, WM_CLOSE, 0, 0);

        for (const auto& [name, isWhole] : whole) {
            EXPECT_TRUE(isWhole) << name << " is cut by its control's edge";
        }
        if (dpi == 96) {
            at96 = heights;
        } else {
            for (const auto& [name, height] : heights) {
                const double expected = at96[name] * dpi / 96.0;
                // Text within a pixel; the caption and menu bar are two bands of text.
                const double tolerance = name == "caption and menu bar" ? 2.0 : 1.0;
                EXPECT_LE(std::abs(height - expected), tolerance)
                    << name << ": " << height << " px, at 96 DPI " << at96[name] << " px";
            }
        }
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_EQ(program->WaitForExit(), 0);
        window = nullptr;
        heights.clear();
        whole.clear();
    }
}

TEST_F(DpiTest, TheProgressCancelButtonLiesInsideTheStatusBarAtEveryDpi) {
    constexpr int kFolders = 3000;
    PrepareManyFolders(kFolders);
    const std::wregex progress(L"[0-9]+ of [0-9]+");
    for (const int dpi : kDpis) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
        SetSystemDpi(dpi);
        Start();
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
        // Stopped soon after it starts, so the next DPI has thousands left to hide.
        Menu(IDM_ACTION_ITEM + 4);  // Hide All Folders
        const HWND cancel = ChildById(window, IDC_CMD_CANCEL_BATCH);
        ASSERT_TRUE(WaitUntil([&] {
            return std::regex_match(ReadStatusText(statusBar), progress) &&
                   ::IsWindowVisible(cancel);
        })) << "status: "
            << Narrow(ReadStatusText(statusBar));
        const RECT button = WindowRectOf(cancel);
        const RECT bar = WindowRectOf(statusBar);
        EXPECT_GE(button.top, bar.top);
        EXPECT_LE(button.bottom, bar.bottom);
        EXPECT_LE(button.right, bar.right);
        // Its caption is drawn whole inside it.
        const InkBox ink = InkIn(Inset(button, ::MulDiv(3, dpi, 96)));
        EXPECT_TRUE(ink.found);
        EXPECT_TRUE(ink.InsideWithMargin(button));
        ::PostMessageW(cancel, BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(cancel); }));
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_EQ(program->WaitForExit(), 0);
        window = nullptr;
    }
}

TEST_F(DpiTest, APlacementSavedAtOneDpiRestoresTheSameSizeInInchesAtAnother) {
    PrepareList({});
    SetSystemDpi(96);
    Start();
    ::SetWindowPos(window, nullptr, 40, 30, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    ::Sleep(200);
    const RECT websiteAt96 = WindowRectOf(ChildById(window, IDC_CMD_WEBSITE));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(program->WaitForExit(), 0);
    window = nullptr;

    SetSystemDpi(144);
    Start(true);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    const RECT frame = WindowRectOf(window);
    EXPECT_NEAR(frame.left, 60, 1);
    EXPECT_NEAR(frame.top, 45, 1);
    EXPECT_NEAR(frame.right - frame.left, 1050, 2);
    EXPECT_NEAR(frame.bottom - frame.top, 750, 2);
    // Every button of the bar whole: the web site's, the last, keeps the width the window at
    // 96 DPI gave it, in inches.
    const RECT last = WindowRectOf(ChildById(window, IDC_CMD_WEBSITE));
    RECT client{};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(last.right, client.right);
    EXPECT_NEAR(last.right - last.left, (websiteAt96.right - websiteAt96.left) * 3 / 2, 3);
}
