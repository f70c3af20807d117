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
