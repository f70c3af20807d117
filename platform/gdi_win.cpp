#include "platform/gdi_win.h"

#include <cwchar>

int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    // Windows 10 and later; looked up so the program still starts where it is missing.
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (hwnd && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(hwnd)) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

UniqueFont CreateUiFont(const wchar_t* face, int tenthsOfPoint, int weight, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(tenthsOfPoint, dpi, 720);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return UniqueFont(::CreateFontIndirectW(&font));
}

UniqueFont CreateSystemFont(SystemFont kind, int dpi, int weight) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW font = kind == SystemFont::Caption ? metrics.lfCaptionFont
                    : kind == SystemFont::Menu  ? metrics.lfMenuFont
                                                : metrics.lfMessageFont;
    font.lfHeight = ::MulDiv(font.lfHeight, dpi, USER_DEFAULT_SCREEN_DPI);
    if (weight) {
        font.lfWeight = weight;
    }
    return UniqueFont(::CreateFontIndirectW(&font));
}

void FillGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to, bool horizontal) {
    auto channel = [](BYTE value) { return static_cast<COLOR16>(value << 8); };
    TRIVERTEX corners[2] = {
        {area.left, area.top, channel(GetRValue(from)), channel(GetGValue(from)),
         channel(GetBValue(from)), 0},
        {area.right, area.bottom, channel(GetRValue(to)), channel(GetGValue(to)),
         channel(GetBValue(to)), 0},
    };
    GRADIENT_RECT span{0, 1};
    ::GdiGradientFill(dc, corners, 2, &span, 1,
                      horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

int ScaleToWindow(int value, HWND window) {
    return ::MulDiv(value, WindowDpi(window), USER_DEFAULT_SCREEN_DPI);
}
