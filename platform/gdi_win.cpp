#include "platform/gdi_win.h"

#include <cstddef>
#include <cwchar>
#include <initializer_list>

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
    return SystemDpi();
}

UniqueFont CreateUiFont(const wchar_t* face,
                        int tenthsOfPoint,
                        int weight,
                        int dpi,
                        bool underline) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(tenthsOfPoint, dpi, 720);
    font.lfWeight = weight;
    font.lfUnderline = underline;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return UniqueFont(::CreateFontIndirectW(&font));
}

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

namespace {

// The system's fonts for text at `dpi`. The plain call gives them at the system's DPI (the one
// the user signed in with), already scaled: they are scaled from that, once, never from 96.
NONCLIENTMETRICSW NonClientMetricsAt(int dpi) {
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    // Windows 10 1607 and later; looked up so the program still starts where it is missing.
    static const auto forDpi = reinterpret_cast<ForDpiFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics;
    }
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Before Vista the structure ends before its last member.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    const int systemDpi = SystemDpi();
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfMenuFont, &metrics.lfMessageFont}) {
        font->lfHeight = ::MulDiv(font->lfHeight, dpi, systemDpi);
    }
    return metrics;
}

}  // namespace

UniqueFont CreateSystemFont(SystemFont kind, int dpi, int weight) {
    const NONCLIENTMETRICSW metrics = NonClientMetricsAt(dpi);
    LOGFONTW font = kind == SystemFont::Caption ? metrics.lfCaptionFont
                    : kind == SystemFont::Menu  ? metrics.lfMenuFont
                                                : metrics.lfMessageFont;
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
