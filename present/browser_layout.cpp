#include "present/browser_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

BrowserLayout LayoutBrowser(const BrowserLayoutInput& input) {
    BrowserLayout layout;
    layout.statusPanelWidth = std::fabs(input.windowWidth / 2.0);
    layout.frameHeight = std::abs(input.windowHeight - input.statusBarHeight);
    layout.frameWidth = std::abs(input.windowWidth - 300);
    layout.addressWidth =
        std::abs(layout.frameWidth - input.addressLeft - 300 - input.goButtonWidth);
    // The Go button follows the address box; a left edge may be anything.
    layout.goButtonLeft = layout.addressWidth + input.addressLeft + 100;
    layout.webViewWidth = std::abs(layout.frameWidth - input.webViewLeft - 100);
    layout.webViewHeight =
        std::abs(layout.frameHeight - input.webViewTop - 800 - input.statusBarHeight);
    // The rules above count the caption and borders into the frame's height, so its lower edge
    // would lie under the status bar (by a lot when maximised): it stops above it, and the web
    // view stays inside it.
    constexpr int kWebViewMarginBelow = 100;
    layout.frameHeight =
        std::min(layout.frameHeight, std::max(0, input.clientHeight - input.statusBarHeight));
    layout.webViewHeight =
        std::max(0, std::min(layout.webViewHeight,
                             layout.frameHeight - input.webViewTop - kWebViewMarginBelow));
    return layout;
}
