#pragma once
// A rectangle in pixels, as a RECT without <windows.h>: right and bottom exclusive.

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
