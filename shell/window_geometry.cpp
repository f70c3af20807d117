#include "shell/window_geometry.h"

#include <charconv>

std::string FormatWindowGeometry(const WindowGeometry& geometry) {
    return std::to_string(geometry.left) + "," + std::to_string(geometry.top) + "," +
           std::to_string(geometry.right) + "," + std::to_string(geometry.bottom) + "," +
           (geometry.maximised ? "1" : "0");
}

std::optional<WindowGeometry> ParseWindowGeometry(std::string_view text) {
    int values[5] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 5; ++i) {
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc() || (i < 4 ? (next == end || *next != ',') : next != end)) {
            return std::nullopt;
        }
        at = next + 1;
    }
    if (values[2] <= values[0] || values[3] <= values[1] || (values[4] != 0 && values[4] != 1)) {
        return std::nullopt;
    }
    return WindowGeometry{values[0], values[1], values[2], values[3], values[4] == 1};
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
