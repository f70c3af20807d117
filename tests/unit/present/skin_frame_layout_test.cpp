#include "present/skin_frame_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr FrameMetrics kMetrics{4, 30, 46, 22, 16};
constexpr FrameFeatures kMainWindow{true, true, true, true};
constexpr FrameFeatures kDialog{true, false, false, false};

}  // namespace

TEST(SkinFrameLayout, PlacesCaptionButtonsFromTheRight) {
    const FrameLayout main = ComputeFrameLayout(400, 300, kMetrics, kMainWindow);
    EXPECT_EQ(main.caption, (PixelRect{4, 4, 396, 34}));
    EXPECT_EQ(main.closeButton, (PixelRect{350, 4, 396, 34}));
    EXPECT_EQ(main.maximizeButton, (PixelRect{304, 4, 350, 34}));
    EXPECT_EQ(main.minimizeButton, (PixelRect{258, 4, 304, 34}));
    EXPECT_EQ(main.systemButton, (PixelRect{4, 4, 34, 34}));
    EXPECT_EQ(main.title, (PixelRect{34, 4, 258, 34}));
    EXPECT_EQ(main.menuBar, (PixelRect{4, 34, 396, 56}));
    EXPECT_EQ(main.client, (PixelRect{4, 56, 396, 296}));

    // A dialog has a close button only, and no menu bar.
    FrameMetrics noMenu = kMetrics;
    noMenu.menuBarHeight = 0;
    const FrameLayout dialog = ComputeFrameLayout(200, 100, noMenu, kDialog);
    EXPECT_EQ(dialog.closeButton, (PixelRect{150, 4, 196, 34}));
    EXPECT_EQ(dialog.minimizeButton, PixelRect{});
    EXPECT_EQ(dialog.maximizeButton, PixelRect{});
    EXPECT_EQ(dialog.client, (PixelRect{4, 34, 196, 96}));

    // A window narrower than its buttons keeps every rectangle inside the caption.
    const FrameLayout tiny = ComputeFrameLayout(60, 40, kMetrics, kMainWindow);
    for (const PixelRect& r : {tiny.closeButton, tiny.maximizeButton, tiny.minimizeButton,
                               tiny.systemButton, tiny.title}) {
        EXPECT_GE(r.left, tiny.caption.left);
        EXPECT_LE(r.right, tiny.caption.right);
        EXPECT_LE(r.left, r.right);
    }
    // Without a caption bar (the start-up window) there are no caption buttons at all.
    const FrameLayout bare = ComputeFrameLayout(100, 80, {1, 0, 46, 0, 0}, kDialog);
    EXPECT_EQ(bare.closeButton, PixelRect{});
    EXPECT_EQ(bare.client, (PixelRect{1, 1, 99, 79}));
}

TEST(SkinFrameLayout, HitTestsEveryPart) {
    struct Case {
        int x, y;
        FrameFeatures features;
        FramePart expected;
    };
    const Case cases[] = {
        {200, 150, kMainWindow, FramePart::Client},
        {200, 10, kMainWindow, FramePart::Caption},
        {10, 10, kMainWindow, FramePart::SystemButton},
        {260, 10, kMainWindow, FramePart::MinimizeButton},
        {310, 10, kMainWindow, FramePart::MaximizeButton},
        {395, 33, kMainWindow, FramePart::CloseButton},
        {100, 40, kMainWindow, FramePart::MenuBar},
        {0, 150, kMainWindow, FramePart::Left},
        {399, 150, kMainWindow, FramePart::Right},
        {200, 0, kMainWindow, FramePart::Top},
        {200, 299, kMainWindow, FramePart::Bottom},
        {0, 0, kMainWindow, FramePart::TopLeft},
        {15, 0, kMainWindow, FramePart::TopLeft},  // the corner reaches along the edge
        {399, 10, kMainWindow, FramePart::TopRight},
        {2, 299, kMainWindow, FramePart::BottomLeft},
        {399, 299, kMainWindow, FramePart::BottomRight},
        {390, 297, kMainWindow, FramePart::BottomRight},
        {0, 150, kDialog, FramePart::Border},  // a fixed dialog does not size
        {399, 299, kDialog, FramePart::Border},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        const FrameLayout layout = ComputeFrameLayout(400, 300, kMetrics, c.features);
        EXPECT_EQ(HitTestFrame(layout, kMetrics, c.features, 400, 300, c.x, c.y), c.expected);
    }
}

TEST(SkinFrameLayout, LaysOutMenuBarItems) {
    const PixelRect bar{4, 34, 120, 56};
    const auto items = LayOutMenuBar(bar, {20, 30, 40, 50}, 5);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], (PixelRect{4, 34, 34, 56}));
    EXPECT_EQ(items[1], (PixelRect{34, 34, 74, 56}));
    EXPECT_EQ(items[2], (PixelRect{74, 34, 120, 56}));   // cut at the bar's edge
    EXPECT_EQ(items[3], (PixelRect{120, 34, 120, 56}));  // no room left
    EXPECT_EQ(MenuBarItemAt(items, 4, 40), 0);
    EXPECT_EQ(MenuBarItemAt(items, 74, 40), 2);
    EXPECT_EQ(MenuBarItemAt(items, 119, 55), 2);
    EXPECT_EQ(MenuBarItemAt(items, 120, 40), -1);
    EXPECT_EQ(MenuBarItemAt(items, 50, 33), -1);
    EXPECT_TRUE(LayOutMenuBar(bar, {}, 5).empty());
}
