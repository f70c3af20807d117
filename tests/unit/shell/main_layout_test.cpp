#include "shell/main_layout.h"

#include <gtest/gtest.h>

namespace {

// The window's first size: client 9900 x 7530 twips inside a frame, caption and menu bar.
MainLayoutInput DesignInput(bool banner) {
    return {9900 + 120, 7530 + 690, 7530, 975, 315, banner, 945, 6000};
}

}  // namespace

TEST(MainLayout, FollowsTheResizeRules) {
    struct Case {
        const char* name;
        MainLayoutInput input;
        MainLayout expected;
    };
    const Case cases[] = {
        {"design size without banner",
         DesignInput(false),
         {60, 1035, 9780, 6030, 3840, 8280, 1440}},
        {"design size with banner", DesignInput(true), {60, 2040, 9780, 5025, 3840, 8280, 1440}},
        // Negative results become their absolute values; the column width is not one of them.
        {"tiny window",
         {100, 500, 3000, 975, 315, false, 945, 6000},
         {60, 1035, 140, 1590, 6080, -1360, 1440}},
        // A frame far taller than a plain caption and menu bar: the list stops above the
        // status bar, 60 twips clear.
        {"tall frame",
         {9900 + 120, 7530 + 1500, 7530, 975, 315, false, 945, 6000},
         {60, 1035, 9780, 6120, 3840, 8280, 1440}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MainLayout layout = ComputeMainLayout(c.input);
        EXPECT_EQ(layout.listLeft, c.expected.listLeft);
        EXPECT_EQ(layout.listTop, c.expected.listTop);
        EXPECT_EQ(layout.listWidth, c.expected.listWidth);
        EXPECT_EQ(layout.listHeight, c.expected.listHeight);
        EXPECT_EQ(layout.websiteButtonWidth, c.expected.websiteButtonWidth);
        EXPECT_EQ(layout.folderColumnWidth, c.expected.folderColumnWidth);
        EXPECT_EQ(layout.statusColumnWidth, c.expected.statusColumnWidth);
    }
}

TEST(MainLayout, BannerDoesNotPushTheListUnderTheStatusBar) {
    for (int height : {5000, 8220, 12000}) {
        MainLayoutInput plain = DesignInput(false);
        MainLayoutInput banner = DesignInput(true);
        plain.windowHeight = banner.windowHeight = height;
        plain.clientHeight = banner.clientHeight = height - 690;
        const MainLayout a = ComputeMainLayout(plain);
        const MainLayout b = ComputeMainLayout(banner);
        EXPECT_EQ(a.listTop + a.listHeight, b.listTop + b.listHeight) << height;
    }
}

TEST(MainLayout, FolderColumnLeavesNoNeedlessHorizontalScrollBar) {
    struct Case {
        int laidOut, status, client, minimum, expected;
    };
    const Case cases[] = {
        {500, 96, 700, 40, 500},  // room to spare: as laid out
        {600, 96, 696, 40, 600},  // exactly fills the list
        {600, 96, 679, 40, 583},  // a vertical scroll bar came: narrowed by its width
        {600, 96, 100, 40, 40},   // the list is too small for both: the folder keeps a minimum
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FittedFolderColumn(c.laidOut, c.status, c.client, c.minimum), c.expected)
            << c.laidOut << " " << c.client;
    }
}

TEST(MainLayout, TheListEndsAboveTheStatusBarWhateverTheFrame) {
    struct Case {
        int frameExtra;  // caption, menu bar and borders together, in twips
        bool banner;
    };
    for (const Case c : {Case{690, false}, Case{690, true}, Case{1200, false}, Case{1800, true},
                         Case{300, false}}) {
        MainLayoutInput input = DesignInput(c.banner);
        input.windowHeight = input.clientHeight + c.frameExtra;
        const MainLayout layout = ComputeMainLayout(input);
        EXPECT_LE(layout.listTop + layout.listHeight,
                  input.clientHeight - input.statusBarHeight - 60)
            << c.frameExtra << (c.banner ? " with banner" : "");
        EXPECT_GT(layout.listHeight, 0);
    }
}
