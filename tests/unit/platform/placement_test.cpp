#include "platform/placement.h"

#include <gtest/gtest.h>

TEST(Placement, NewWindowsLieWhollyInTheWorkArea) {
    const PixelRect work{0, 0, 1280, 860};  // a 1280 x 900 screen with a 40-pixel taskbar
    struct Case {
        int left, top, width, height;
        PixelRect expected;
    };
    const Case cases[] = {
        {20, 20, 660, 555, {20, 20, 680, 575}},       // fits: stays where it was wanted
        {900, 500, 660, 555, {620, 305, 1280, 860}},  // runs off: moved back, same size
        {-50, -10, 660, 555, {0, 0, 660, 555}},       // off the top left
        {4, 4, 1320, 1110, {0, 0, 1280, 860}},        // 192 DPI on a small screen: shrunk
        {4, 4, 1320, 500, {0, 4, 1280, 504}},         // too wide only
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitInWorkArea(c.left, c.top, c.width, c.height, work), c.expected)
            << c.left << "," << c.top << " " << c.width << "x" << c.height;
    }
    // A work area that does not start at the origin (a taskbar on the left, a second screen).
    EXPECT_EQ(FitInWorkArea(0, 0, 400, 300, {1280, 0, 2560, 1024}),
              (PixelRect{1280, 0, 1680, 300}));
}
