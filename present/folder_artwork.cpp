#include "present/folder_artwork.h"

#include <algorithm>

namespace {

constexpr ArtworkColour kPaper{0xE9, 0xC4, 0x6A};
constexpr ArtworkColour kEdge{0xA8, 0x7A, 0x22};
constexpr ArtworkColour kFadedPaper{0xDC, 0xDC, 0xDC};
constexpr ArtworkColour kFadedEdge{0xA0, 0xA0, 0xA0};
constexpr ArtworkColour kVeil{0x1B, 0x3F, 0x4A};

}  // namespace

std::vector<ArtworkRect> FolderShapes(int size, FolderLook look) {
    const bool faded = look == FolderLook::Faded;
    const ArtworkColour paper = faded ? kFadedPaper : kPaper;
    const ArtworkColour edge = faded ? kFadedEdge : kEdge;
    // The folder is 14 units by 11 in a square of 16: a unit is a sixteenth of the square, so
    // the shape keeps its proportions at every size. The edge stays one pixel up to 47 pixels
    // and grows with the square above that, so that a large icon does not lose it.
    const auto at = [size](int sixteenths) { return (size * sixteenths + 8) / 16; };
    const int line = std::max(1, size / 24);
    const int left = at(1);
    const int top = at(2);
    const int right = left + at(14);
    const int bodyTop = top + at(2);
    const int bottom = top + at(12);
    std::vector<ArtworkRect> shapes{
        {left, top, left + at(6), top + at(3), edge},  // the tab
        {left, bodyTop, right, bottom, paper},         // the body
        {left, bodyTop, right, bodyTop + line, edge},  // its edge: top,
        {left, bottom - line, right, bottom, edge},    // bottom,
        {left, bodyTop, left + line, bottom, edge},    // left
        {right - line, bodyTop, right, bottom, edge},  // and right
    };
    if (look == FolderLook::Veiled) {
        shapes.push_back({left, (bodyTop + bottom) / 2, right, bottom, kVeil});
    }
    return shapes;
}
