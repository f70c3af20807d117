#include "shell/main_layout.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kListGapAboveStatus = 60;

}  // namespace

MainLayout ComputeMainLayout(const MainLayoutInput& input) {
    MainLayout layout;
    layout.listLeft = 60;
    layout.listTop = input.buttonBarHeight + 60;
    // With the banner shown the list moves down by the banner's height and the gap below it;
    // it shrinks by the same amount, so its lower edge stays clear of the status bar.
    int bannerShare = 0;
    if (input.bannerEnabled) {
        layout.listTop = input.bannerHeight + input.buttonBarHeight + 120;
        bannerShare = input.bannerHeight + 60;
    }
    layout.listWidth = std::abs(input.windowWidth - 240);
    layout.listHeight = std::abs(input.windowHeight - input.buttonBarHeight -
                                 input.statusBarHeight - 900 - bannerShare);
    // The rule above guesses the frame from a plain caption and menu bar; a taller frame (the
    // skin's, a large caption font) would run the list's last row under the status bar.
    const int roomAboveStatus =
        input.clientHeight - input.statusBarHeight - kListGapAboveStatus - layout.listTop;
    layout.listHeight = std::max(0, std::min(layout.listHeight, roomAboveStatus));
    layout.websiteButtonWidth = std::abs(input.windowWidth - input.websiteButtonLeft - 180);
    layout.folderColumnWidth = layout.listWidth - 1500;
    layout.statusColumnWidth = 1440;
    return layout;
}

int FittedFolderColumn(int laidOut, int statusWidth, int clientWidth, int minimum) {
    return std::max(minimum, std::min(laidOut, clientWidth - statusWidth));
}
