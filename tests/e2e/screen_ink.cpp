#include "tests/e2e/screen_ink.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

int Brightness(DWORD pixel) {
    const int red = (pixel >> 16) & 0xFF;
    const int green = (pixel >> 8) & 0xFF;
    const int blue = pixel & 0xFF;
    return (red * 299 + green * 587 + blue * 114) / 1000;
}

// The brightness of every pixel of `area`, row by row.
std::vector<int> BrightnessOf(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, previous);
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<int> brightness(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < brightness.size(); ++i) {
        brightness[i] = Brightness(pixels[i]);
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return brightness;
}

}  // namespace

std::vector<int> RowBrightness(const RECT& area) {
    const int width = area.right - area.left;
    const std::vector<int> brightness = BrightnessOf(area);
    std::vector<int> rows;
    for (std::size_t start = 0; width > 0 && start < brightness.size(); start += width) {
        long sum = 0;
        for (int x = 0; x < width; ++x) {
            sum += brightness[start + x];
        }
        rows.push_back(static_cast<int>(sum / width));
    }
    return rows;
}

InkBox InkIn(const RECT& area, int contrast) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    InkBox box;
    const std::vector<int> brightness = BrightnessOf(area);
    if (brightness.empty()) {
        return box;
    }
    std::vector<int> sorted = brightness;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int ground = sorted[sorted.size() / 2];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (std::abs(brightness[static_cast<std::size_t>(y) * width + x] - ground) < contrast) {
                continue;
            }
            const int sx = area.left + x;
            const int sy = area.top + y;
            if (!box.found) {
                box = {true, sx, sy, sx + 1, sy + 1};
                continue;
            }
            box.left = std::min(box.left, sx);
            box.top = std::min(box.top, sy);
            box.right = std::max(box.right, sx + 1);
            box.bottom = std::max(box.bottom, sy + 1);
        }
    }
    return box;
}
