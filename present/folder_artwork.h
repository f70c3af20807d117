#pragma once
// The folder picture as plain shapes, for a square of any size: the window code draws them with
// GDI, and the build's icon maker paints the program's icon from the same shapes.

#include <cstdint>
#include <vector>

// How a folder is drawn: plain, under the veil (hidden), or faded (not there).
enum class FolderLook { Plain, Veiled, Faded };

struct ArtworkColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const ArtworkColour&, const ArtworkColour&) = default;
};

struct ArtworkRect {
    int left;
    int top;
    int right;  // exclusive, as a RECT's
    int bottom;
    ArtworkColour colour;
};

// The rectangles that draw a folder filling a square of `size` pixels from (0, 0), in painting
// order (later ones over earlier ones).
std::vector<ArtworkRect> FolderShapes(int size, FolderLook look);
