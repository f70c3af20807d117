#include "present/button_pictures_win.h"

#include <cstdint>
#include <vector>

namespace {

constexpr COLORREF kKey = RGB(0xFF, 0x00, 0xFF);  // becomes transparent
constexpr COLORREF kInk = RGB(0x1F, 0x6F, 0x7D);
constexpr COLORREF kStop = RGB(0xC4, 0x2B, 0x1C);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

struct Canvas {
    HDC dc;
    int width;
    int designWidth;

    int S(int value) const { return ::MulDiv(value, width, designWidth); }
    POINT P(int x, int y) const { return {S(x), S(y)}; }
};

void Fill(const Canvas& canvas, COLORREF colour, const POINT* points, int count) {
    const UniqueBrush brush(::CreateSolidBrush(colour));
    const UniquePen pen(::CreatePen(PS_SOLID, 1, colour));
    const SelectedObject selectedBrush(canvas.dc, brush.Get());
    const SelectedObject selectedPen(canvas.dc, pen.Get());
    ::Polygon(canvas.dc, points, count);
}

void Arrow(const Canvas& canvas, bool right, COLORREF colour, int offsetX, int offsetY) {
    // A left-pointing arrow on a 24-unit grid, mirrored for right.
    const int xs[] = {3, 11, 11, 21, 21, 11, 11};
    const int ys[] = {12, 4, 9, 9, 15, 15, 20};
    POINT points[7];
    for (int i = 0; i < 7; ++i) {
        const int x = right ? 24 - xs[i] : xs[i];
        points[i] = canvas.P(x + offsetX, ys[i] + offsetY);
    }
    Fill(canvas, colour, points, 7);
}

void Draw(const Canvas& canvas, ButtonPicture picture) {
    const HDC dc = canvas.dc;
    switch (picture) {
        case ButtonPicture::Back:
            Arrow(canvas, false, kInk, 0, 0);
            break;
        case ButtonPicture::Forward:
            Arrow(canvas, true, kInk, 0, 0);
            break;
        case ButtonPicture::Stop: {
            const POINT octagon[] = {canvas.P(8, 3),   canvas.P(16, 3),  canvas.P(21, 8),
                                     canvas.P(21, 16), canvas.P(16, 21), canvas.P(8, 21),
                                     canvas.P(3, 16),  canvas.P(3, 8)};
            Fill(canvas, kStop, octagon, 8);
            const POINT bar[] = {canvas.P(7, 10), canvas.P(17, 10), canvas.P(17, 14),
                                 canvas.P(7, 14)};
            Fill(canvas, kWhite, bar, 4);
            break;
        }
        case ButtonPicture::Refresh: {
            {
                const UniquePen pen(::CreatePen(PS_SOLID, canvas.S(3), kInk));
                const SelectedObject selectedPen(dc, pen.Get());
                const SelectedObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
                // Three quarters of a circle, open at the top right, where the arrow head sits.
                // Arc runs counter-clockwise, so it starts at the top and ends at the right.
                ::Arc(dc, canvas.S(4), canvas.S(4), canvas.S(20), canvas.S(20), canvas.S(14),
                      canvas.S(3), canvas.S(20), canvas.S(8));
            }
            const POINT head[] = {canvas.P(13, 1), canvas.P(21, 3), canvas.P(15, 9)};
            Fill(canvas, kInk, head, 3);
            break;
        }
        case ButtonPicture::Go: {
            {
                const UniqueBrush brush(::CreateSolidBrush(kInk));
                const UniquePen pen(::CreatePen(PS_SOLID, 1, kInk));
                const SelectedObject selectedBrush(dc, brush.Get());
                const SelectedObject selectedPen(dc, pen.Get());
                ::RoundRect(dc, 0, 0, canvas.S(46), canvas.S(16), canvas.S(16), canvas.S(16));
            }
            const POINT arrow[] = {canvas.P(14, 6), canvas.P(26, 6),  canvas.P(26, 3),
                                   canvas.P(33, 8), canvas.P(26, 13), canvas.P(26, 10),
                                   canvas.P(14, 10)};
            Fill(canvas, kWhite, arrow, 7);
            break;
        }
    }
}

}  // namespace

UniqueIcon MakeButtonPicture(ButtonPicture picture, int dpi) {
    const bool go = picture == ButtonPicture::Go;
    const int designWidth = go ? 46 : 24;
    const int width = ::MulDiv(designWidth, dpi, USER_DEFAULT_SCREEN_DPI);
    const int height = ::MulDiv(go ? 16 : 24, dpi, USER_DEFAULT_SCREEN_DPI);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap colour(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour || !bits) {
        return {};
    }
    {
        // The bitmap is let go of before its pixels are read and it becomes an icon.
        const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        const SelectedObject selected(dc.Get(), colour.Get());
        const RECT all{0, 0, width, height};
        ::SetBkColor(dc.Get(), kKey);
        ::ExtTextOutW(dc.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        Draw({dc.Get(), width, designWidth}, picture);
        ::GdiFlush();
    }

    // GDI leaves alpha at zero: the key colour becomes transparent, everything else opaque.
    // The mask says the same for whoever draws without alpha: set bits are transparent.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::uint32_t key = 0x00FF00FF;
    const int maskStride = ((width + 15) / 16) * 2;
    std::vector<BYTE> maskBits(static_cast<std::size_t>(maskStride * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = pixels[y * width + x];
            const std::uint32_t rgb = pixel & 0x00FFFFFF;
            if (rgb == key) {
                pixel = 0;
                maskBits[static_cast<std::size_t>(y * maskStride + x / 8)] |=
                    static_cast<BYTE>(0x80 >> (x % 8));
            } else {
                pixel = rgb | 0xFF000000;
            }
        }
    }
    UniqueBitmap mask(::CreateBitmap(width, height, 1, 1, maskBits.data()));
    ICONINFO icon{TRUE, 0, 0, mask.Get(), colour.Get()};
    return UniqueIcon(::CreateIconIndirect(&icon));
}
