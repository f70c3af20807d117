#include "present/artwork_win.h"

#include <algorithm>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "platform/unique_resource_win.h"

void DrawArtworkGround(HDC dc, const RECT& area, bool horizontal) {
    FillGradient(dc, area, kArtworkDark, kArtworkLight, horizontal);
}

void DrawVeiledFolder(HDC dc, int left, int top, int unit) {
    // The folder fills 14 sixteenths of its square's width: the square that makes it 12 units
    // wide, placed so that the folder's corner (its tab's) is at `left`, `top`.
    const int size = unit * 12 * 16 / 14;
    const ArtworkRect tab = FolderShapes(size, FolderLook::Veiled).front();
    const int squareLeft = left - tab.left;
    const int squareTop = top - tab.top;
    DrawFolderIcon(dc, {squareLeft, squareTop, squareLeft + size, squareTop + size},
                   FolderLook::Veiled);
}

void DrawFolderIcon(HDC dc, const RECT& box, FolderLook look) {
    const int size = std::min(box.right - box.left, box.bottom - box.top);
    for (const ArtworkRect& shape : FolderShapes(size, look)) {
        UniqueBrush brush(
            ::CreateSolidBrush(RGB(shape.colour.red, shape.colour.green, shape.colour.blue)));
        const RECT area{box.left + shape.left, box.top + shape.top, box.left + shape.right,
                        box.top + shape.bottom};
        ::FillRect(dc, &area, brush.Get());
    }
}

void DrawBannerArtwork(HDC dc,
                       const RECT& area,
                       const std::wstring& productName,
                       HFONT font,
                       int dpi) {
    DrawArtworkGround(dc, area, true);
    const SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kArtworkText);
    RECT text = area;
    text.left += TwipsToPixels(240, dpi);
    const std::wstring caption = productName + L"  \u2014  folders out of sight";
    ::DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}
