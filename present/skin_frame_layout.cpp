#include "present/skin_frame_layout.h"

#include <algorithm>

FrameLayout ComputeFrameLayout(int width,
                               int height,
                               const FrameMetrics& metrics,
                               const FrameFeatures& features) {
    FrameLayout layout;
    const int b = metrics.border;
    layout.caption = {b, b, std::max(b, width - b), b + metrics.captionHeight};
    int buttonsLeft = layout.caption.right;
    auto takeButton = [&](bool present, PixelRect& button) {
        if (!present || metrics.captionHeight == 0) {
            return;
        }
        button = {std::max(layout.caption.left, buttonsLeft - metrics.buttonWidth),
                  layout.caption.top, buttonsLeft, layout.caption.bottom};
        buttonsLeft = button.left;
    };
    takeButton(true, layout.closeButton);
    takeButton(features.maximizeButton, layout.maximizeButton);
    takeButton(features.minimizeButton, layout.minimizeButton);
    int titleLeft = layout.caption.left;
    if (features.systemButton && metrics.captionHeight > 0) {
        layout.systemButton = {titleLeft, layout.caption.top,
                               std::min(buttonsLeft, titleLeft + metrics.captionHeight),
                               layout.caption.bottom};
        titleLeft = layout.systemButton.right;
    }
    layout.title = {titleLeft, layout.caption.top, std::max(titleLeft, buttonsLeft),
                    layout.caption.bottom};
    layout.menuBar = {b, layout.caption.bottom, layout.caption.right,
                      layout.caption.bottom + metrics.menuBarHeight};
    layout.client = {b, layout.menuBar.bottom, layout.caption.right,
                     std::max(layout.menuBar.bottom, height - b)};
    return layout;
}

FramePart HitTestFrame(const FrameLayout& layout,
                       const FrameMetrics& metrics,
                       const FrameFeatures& features,
                       int width,
                       int height,
                       int x,
                       int y) {
    const int b = metrics.border;
    const bool onLeft = x < b, onRight = x >= width - b;
    const bool onTop = y < b, onBottom = y >= height - b;
    if (onLeft || onRight || onTop || onBottom) {
        if (!features.resizable) {
            return FramePart::Border;
        }
        // Corners reach a little way along each edge, so they can be caught with the mouse.
        const bool nearLeft = x < metrics.grip, nearRight = x >= width - metrics.grip;
        const bool nearTop = y < metrics.grip, nearBottom = y >= height - metrics.grip;
        if ((onTop && nearLeft) || (onLeft && nearTop))
            return FramePart::TopLeft;
        if ((onTop && nearRight) || (onRight && nearTop))
            return FramePart::TopRight;
        if ((onBottom && nearLeft) || (onLeft && nearBottom))
            return FramePart::BottomLeft;
        if ((onBottom && nearRight) || (onRight && nearBottom))
            return FramePart::BottomRight;
        if (onLeft)
            return FramePart::Left;
        if (onRight)
            return FramePart::Right;
        if (onTop)
            return FramePart::Top;
        return FramePart::Bottom;
    }
    if (layout.closeButton.Contains(x, y))
        return FramePart::CloseButton;
    if (layout.maximizeButton.Contains(x, y))
        return FramePart::MaximizeButton;
    if (layout.minimizeButton.Contains(x, y))
        return FramePart::MinimizeButton;
    if (layout.systemButton.Contains(x, y))
        return FramePart::SystemButton;
    if (layout.caption.Contains(x, y))
        return FramePart::Caption;
    if (layout.menuBar.Contains(x, y))
        return FramePart::MenuBar;
    return FramePart::Client;
}

std::vector<PixelRect> LayOutMenuBar(const PixelRect& bar,
                                     const std::vector<int>& textWidths,
                                     int padding) {
    std::vector<PixelRect> items;
    int left = bar.left;
    for (const int textWidth : textWidths) {
        const int right = std::min(bar.right, left + textWidth + 2 * padding);
        items.push_back({left, bar.top, std::max(left, right), bar.bottom});
        left = items.back().right;
    }
    return items;
}

int MenuBarItemAt(const std::vector<PixelRect>& items, int x, int y) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].Width() > 0 && items[i].Contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
