#pragma once
// Where the browser window's resize puts its controls. Lengths in twips; the window's size is its
// outer size, borders and caption included. No size comes out negative: a formula that would
// gives its absolute value.

struct BrowserLayoutInput {
    int windowWidth = 0;
    int windowHeight = 0;
    int clientHeight = 0;  // inside the frame and caption
    int statusBarHeight = 0;
    int addressLeft = 0;    // the address box
    int goButtonWidth = 0;  // Command3
    int webViewLeft = 0;    // WebBrowser1
    int webViewTop = 0;
};

struct BrowserLayout {
    double statusPanelWidth = 0;  // each of the two panels
    int frameWidth = 0;
    int frameHeight = 0;
    int addressWidth = 0;
    int goButtonLeft = 0;
    int webViewWidth = 0;
    int webViewHeight = 0;
};

BrowserLayout LayoutBrowser(const BrowserLayoutInput& input);
