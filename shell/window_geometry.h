#pragma once
// The main window's size, place and maximised state as the user left them, kept as one
// per-user setting: "left,top,right,bottom,maximised,dpi" in pixels at that DPI (the normal, not
// maximised, rectangle). Settings kept before the DPI was have five numbers.

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kWindowPlacementKey = "windowPlacement";

struct WindowGeometry {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximised = false;
    int dpi = 0;  // what the pixels were counted at; 0 when not known

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// The same place in pixels at `dpi`: the window keeps its size in inches when the DPI has changed
// since it was saved. Unchanged when the saving DPI is not known.
WindowGeometry GeometryAtDpi(const WindowGeometry& saved, int dpi);

std::string FormatWindowGeometry(const WindowGeometry& geometry);
// Nothing for text that is not five or six whole numbers, a rectangle with no area or a DPI
// no screen has: the window then opens at its design size.
std::optional<WindowGeometry> ParseWindowGeometry(std::string_view text);

// The main window is never made smaller than this client area (twips): every button whole.
inline constexpr int kMinClientWidthTwips = 7215;
inline constexpr int kMinClientHeightTwips = 3600;

// The list's column widths once the user has dragged a divider: "folder,status" in twips, so
// that they mean the same at every DPI. Until then the columns follow the window.
inline constexpr std::string_view kColumnWidthsKey = "columnWidths";

struct ColumnWidths {
    int folder = 0;
    int status = 0;

    friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

std::string FormatColumnWidths(const ColumnWidths& widths);
// Nothing for text that is not two whole numbers, or a width under 0 or over 100 inches.
std::optional<ColumnWidths> ParseColumnWidths(std::string_view text);
