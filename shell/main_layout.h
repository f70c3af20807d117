#pragma once
// Where the main window's resize puts its controls. All lengths in twips.

struct MainLayoutInput {
    int windowWidth = 0;  // outer size of the window
    int windowHeight = 0;
    int clientHeight = 0;  // inside the frame, caption and menu bar, whatever draws them
    int buttonBarHeight = 0;
    int statusBarHeight = 0;
    bool bannerEnabled = false;
    int bannerHeight = 0;
    int websiteButtonLeft = 0;
};

struct MainLayout {
    int listLeft = 0;
    int listTop = 0;
    int listWidth = 0;
    int listHeight = 0;
    int websiteButtonWidth = 0;
    int folderColumnWidth = 0;
    int statusColumnWidth = 0;
};

MainLayout ComputeMainLayout(const MainLayoutInput& input);

// The folder column's width (pixels) in a list whose client area, without its scroll bar, is
// `clientWidth` wide: as laid out, but narrowed so that the two columns never ask for a
// horizontal scroll bar by a few pixels; never under `minimum`.
int FittedFolderColumn(int laidOut, int statusWidth, int clientWidth, int minimum);
