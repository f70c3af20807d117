#pragma once
// Where a new window goes so that it is whole on the screen: plain arithmetic on pixels.

#include <algorithm>

#include "platform/pixel_rect.h"

// A window of `width` x `height` wanted at (`left`, `top`), moved (and, when larger than the work
// area, shrunk) as little as needed to lie wholly inside `work`.
inline PixelRect FitInWorkArea(int left, int top, int width, int height, const PixelRect& work) {
    width = std::min(width, work.right - work.left);
    height = std::min(height, work.bottom - work.top);
    left = std::clamp(left, work.left, work.right - width);
    top = std::clamp(top, work.top, work.bottom - height);
    return {left, top, left + width, top + height};
}
