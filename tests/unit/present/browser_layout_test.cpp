#include "present/browser_layout.h"

#include <gtest/gtest.h>

namespace {

// The fixed places: the address box at 540, Go 795 wide, the web view at 120, 1140, a 315-twip
// status bar. `client`: the height inside the caption and borders (the rules' own cases give a
// client that leaves them as they are).
BrowserLayoutInput Window(int width, int height, int client = 100000) {
    return {width, height, client, 315, 540, 795, 120, 1140};
}

}  // namespace

TEST(BrowserLayout, FollowsTheResizeRules) {
    struct Case {
        const char* name;
        BrowserLayoutInput input;
        BrowserLayout expected;
    };
    const Case cases[] = {
        {"first width", Window(10545, 9000), {5272.5, 10245, 8685, 8610, 9250, 10025, 6430}},
        // 200 - 300 is -100: the frame is 100 wide, and everything after follows from that; the
        // web view, which would reach far below the frame, has no height left.
        {"narrower than the margins", Window(200, 1000), {100, 100, 685, 1535, 2175, 120, 0}},
        {"zero size", Window(0, 0), {0, 300, 315, 1335, 1975, 80, 0}},
        // A real window: the caption and borders take 690 twips, so the frame stops at the
        // status bar, and the web view, which ends above that, keeps its height.
        {"normal window",
         Window(10545, 9000, 8310),
         {5272.5, 10245, 7995, 8610, 9250, 10025, 6430}},
        // Maximised, the borders lie off the screen: the frame is still cut at the status bar,
        // and a web view that would reach below the frame ends 100 twips inside it.
        {"maximised", Window(19320, 12000, 11500), {9660, 19020, 11185, 17385, 18025, 18800, 9430}},
        {"client smaller than the status bar",
         Window(10545, 9000, 200),
         {5272.5, 10245, 0, 8610, 9250, 10025, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BrowserLayout layout = LayoutBrowser(c.input);
        EXPECT_DOUBLE_EQ(layout.statusPanelWidth, c.expected.statusPanelWidth);
        EXPECT_EQ(layout.frameWidth, c.expected.frameWidth);
        EXPECT_EQ(layout.frameHeight, c.expected.frameHeight);
        EXPECT_EQ(layout.addressWidth, c.expected.addressWidth);
        EXPECT_EQ(layout.goButtonLeft, c.expected.goButtonLeft);
        EXPECT_EQ(layout.webViewWidth, c.expected.webViewWidth);
        EXPECT_EQ(layout.webViewHeight, c.expected.webViewHeight);
    }
}
