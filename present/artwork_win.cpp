#include "present/artwork_win.h"

#include <algorithm>

#include "platform/gdi_win.h"

void DrawArtworkGround(HDC dc, const RECT& area, bool horizontal) {
    FillGradient(dc, area, kArtworkDark, kArtworkLight, horizontal);
}

void DrawVeiledFolder(HDC dc, int left, int top, int unit) {
    UniqueBrush paper(::CreateSolidBrush(RGB(0xE9, 0xC4, 0x6A)));
    UniqueBrush veil(::CreateSolidBrush(RGB(0x1B, 0x3F, 0x4A)));
    const RECT tab{left, top, left + 5 * unit, top + 2 * unit};
    const RECT body{left, top + unit + unit / 2, left + 12 * unit, top + 10 * unit};
    ::FillRect(dc, &tab, paper.Get());
    ::FillRect(dc, &body, paper.Get());
    const RECT shade{body.left, (body.top + body.bottom) / 2, body.right, body.bottom};
    ::FillRect(dc, &shade, veil.Get());
}

void DrawFolderIcon(HDC dc, const RECT& box, FolderLook look) {
    const bool faded = look == FolderLook::Faded;
    UniqueBrush paper(::CreateSolidBrush(faded ? RGB(0xDC, 0xDC, 0xDC) : RGB(0xE9, 0xC4, 0x6A)));
    UniqueBrush edge(::CreateSolidBrush(faded ? RGB(0xA0, 0xA0, 0xA0) : RGB(0xA8, 0x7A, 0x22)));
    UniqueBrush veil(::CreateSolidBrush(RGB(0x1B, 0x3F, 0x4A)));
    // The folder is 14 units by 11 in a square of 16: a unit is a sixteenth of the square, so
    // the shape keeps its proportions at every size.
    const int size = std::min(box.right - box.left, box.bottom - box.top);
    const auto at = [size](int sixteenths) { return (size * sixteenths + 8) / 16; };
    const int left = box.left + at(1);
    const int top = box.top + at(2);
    const RECT tab{left, top, left + at(6), top + at(3)};
    const RECT body{left, top + at(2), left + at(14), top + at(12)};
    ::FillRect(dc, &tab, edge.Get());
    ::FillRect(dc, &body, paper.Get());
    ::FrameRect(dc, &body, edge.Get());
    if (look == FolderLook::Veiled) {
        const RECT shade{body.left, (body.top + body.bottom) / 2, body.right, body.bottom};
        ::FillRect(dc, &shade, veil.Get());
    }
}
