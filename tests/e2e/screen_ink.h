#pragma once
// What the screen shows, read back as a person would see it: where text (or any mark that
// stands out from its background) lies inside a rectangle of the screen.

#include <windows.h>

#include <vector>

struct InkBox {
    bool found = false;
    int left = 0;  // screen coordinates; right and bottom are one past the last marked pixel
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Height() const { return bottom - top; }
    // Whether the marks stay at least one pixel inside `area` on every side: text drawn
    // whole, not cut by the control's edges.
    bool InsideWithMargin(const RECT& area) const {
        return found && left > area.left && top > area.top && right < area.right &&
               bottom < area.bottom;
    }
};

// The mean brightness (0-255) of each pixel row of `area`, top to bottom: where one band of a
// window (a dark caption) gives way to another (a light menu bar).
std::vector<int> RowBrightness(const RECT& area);

// The box around every pixel of `area` whose brightness differs from the area's usual
// brightness (its median) by `contrast` or more: text on a plain ground. The default counts the
// strong strokes of ordinary text; a faint grey hint needs less.
InkBox InkIn(const RECT& area, int contrast = 96);
