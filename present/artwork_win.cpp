#include "present/artwork_win.h"

#include <algorithm>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "platform/unique_resource_win.h"

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
