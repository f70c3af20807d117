#pragma once
// Layout lengths are kept in twips (1/1440 inch) and become pixels at the window's DPI.

#include <cmath>

inline int TwipsToPixels(int twips, int dpi) {
    // Rounded to nearest, away from zero for negative lengths.
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : (scaled - 720) / 1440);
}

// For lengths worked out in fractions of a twip.
inline int TwipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline int PixelsToTwips(int pixels, int dpi) {
    const long long scaled = static_cast<long long>(pixels) * 1440;
    return dpi > 0
               ? static_cast<int>(scaled >= 0 ? (scaled + dpi / 2) / dpi : (scaled - dpi / 2) / dpi)
               : 0;
}
