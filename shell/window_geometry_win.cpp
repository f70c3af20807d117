#include "shell/window_geometry_win.h"

#include "platform/gdi_win.h"
#include "shell/window_geometry.h"

bool RestoreWindowGeometry(HWND window, const SettingsStore& settings) {
    const auto kept = ParseWindowGeometry(settings.Read(kWindowPlacementKey, ""));
    if (!kept) {
        return false;  // the design size, where the system puts new windows
    }
    const auto saved = GeometryAtDpi(*kept, WindowDpi(window));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(window, &placement);
    placement.rcNormalPosition = {saved.left, saved.top, saved.right, saved.bottom};
    placement.showCmd = SW_HIDE;  // shown when the load has finished, or not at all in stealth
    ::SetWindowPlacement(window, &placement);
    return saved.maximised;
}

void SaveWindowGeometry(HWND window, SettingsStore& settings) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window, &placement)) {
        return;
    }
    const RECT& normal = placement.rcNormalPosition;
    const bool maximised =
        placement.showCmd == SW_SHOWMAXIMIZED ||
        (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED));
    settings.Write(kWindowPlacementKey,
                   FormatWindowGeometry({normal.left, normal.top, normal.right, normal.bottom,
                                         maximised, WindowDpi(window)}));
}
