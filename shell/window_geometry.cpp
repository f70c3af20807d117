#include "shell/window_geometry.h"

#include <charconv>

std::string FormatWindowGeometry(const WindowGeometry& geometry) {
    return std::to_string(geometry.left) + "," + std::to_string(geometry.top) + "," +
           std::to_string(geometry.right) + "," + std::to_string(geometry.bottom) + "," +
           (geometry.maximised ? "1" : "0") +
           (geometry.dpi > 0 ? "," + std::to_string(geometry.dpi) : std::string());
}

std::optional<WindowGeometry> ParseWindowGeometry(std::string_view text) {
    constexpr int kLeastDpi = 48;
    constexpr int kMostDpi = 1536;
    int values[6] = {};
    int count = 0;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (;;) {
        if (count == 6) {
            return std::nullopt;  // a seventh number, or a comma after the sixth
        }
        const auto [next, error] = std::from_chars(at, end, values[count]);
        if (error != std::errc()) {
            return std::nullopt;
        }
        ++count;
        if (next == end) {
            break;
        }
        if (*next != ',') {
            return std::nullopt;
        }
        at = next + 1;
    }
    if (count < 5 || values[2] <= values[0] || values[3] <= values[1] ||
        (values[4] != 0 && values[4] != 1) ||
        (count == 6 && (values[5] < kLeastDpi || values[5] > kMostDpi))) {
        return std::nullopt;
    }
    return WindowGeometry{values[0], values[1],      values[2],
                          values[3], values[4] == 1, count == 6 ? values[5] : 0};
}

WindowGeometry GeometryAtDpi(const WindowGeometry& saved, int dpi) {
    if (saved.dpi <= 0 || dpi <= 0 || saved.dpi == dpi) {
        return saved;
    }
    const auto scale = [&](int pixels) {
        const long long scaled = static_cast<long long>(pixels) * dpi;
        // Rounded half away from zero, as the system's MulDiv does.
        return static_cast<int>((scaled + (scaled < 0 ? -saved.dpi : saved.dpi) / 2) / saved.dpi);
    };
    return {scale(saved.left),   scale(saved.top), scale(saved.right),
            scale(saved.bottom), saved.maximised,  dpi};
}

std::string FormatColumnWidths(const ColumnWidths& widths) {
    return std::to_string(widths.folder) + "," + std::to_string(widths.status);
}

std::optional<ColumnWidths> ParseColumnWidths(std::string_view text) {
    constexpr int kMostTwips = 100 * 1440;
    int values[2] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 2; ++i) {
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc() || (i == 0 ? (next == end || *next != ',') : next != end) ||
            values[i] < 0 || values[i] > kMostTwips) {
            return std::nullopt;
        }
        at = next + 1;
    }
    return ColumnWidths{values[0], values[1]};
}
