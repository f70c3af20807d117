#pragma once
// The skinned window frame: where its caption bar, caption buttons, menu bar and borders lie,
// and which of them a point is on. Window coordinates in pixels, origin at the window's corner.

#include <vector>

#include "platform/pixel_rect.h"

struct FrameMetrics {
    int border = 0;         // frame thickness on every side
    int captionHeight = 0;  // 0: no caption bar
    int buttonWidth = 0;    // each caption button
    int menuBarHeight = 0;  // 0: no menu bar
    int grip = 0;           // how far into a corner the corner sizing reaches
};

struct FrameFeatures {
    bool systemButton = false;
    bool minimizeButton = false;
    bool maximizeButton = false;
    bool resizable = false;
};

struct FrameLayout {
    PixelRect caption;  // the whole bar, buttons included
    PixelRect title;    // where the title text goes and the window is dragged from
    PixelRect systemButton, minimizeButton, maximizeButton, closeButton;  // empty when absent
    PixelRect menuBar;
    PixelRect client;
};

enum class FramePart {
    Client,
    Caption,
    SystemButton,
    MinimizeButton,
    MaximizeButton,
    CloseButton,
    MenuBar,
    Border,  // a border that does not size the window
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

FrameLayout ComputeFrameLayout(int width,
                               int height,
                               const FrameMetrics& metrics,
                               const FrameFeatures& features);

FramePart HitTestFrame(const FrameLayout& layout,
                       const FrameMetrics& metrics,
                       const FrameFeatures& features,
                       int width,
                       int height,
                       int x,
                       int y);

// The menu bar's items side by side from the bar's left, each its text width plus padding on
// both sides. Items that do not fit are cut at the bar's right edge.
std::vector<PixelRect> LayOutMenuBar(const PixelRect& bar,
                                     const std::vector<int>& textWidths,
                                     int padding);

// The index of the item under the point, or -1.
int MenuBarItemAt(const std::vector<PixelRect>& items, int x, int y);
