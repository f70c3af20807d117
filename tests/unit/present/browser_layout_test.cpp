#include "present/browser_layout.h"

#include <gtest/gtest.h>

namespace {

// The fixed places: the address box at 540, Go 795 wide, the web view at 120, 1140, a 315-twip
// status bar.
BrowserLayoutInput Window(int width, int height) {
    return {width, height, 315, 540, 795, 120, 1140};
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
        // 200 - 300 is -100: the frame is 100 wide, and everything after follows from that.
        {"narrower than the margins", Window(200, 1000), {100, 100, 685, 1535, 2175, 120, 1570}},
        {"zero size", Window(0, 0), {0, 300, 315, 1335, 1975, 80, 1940}},
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
