#include "shell/hotkey_hook_win.h"

#include "platform/callback_guard_win.h"

namespace {

WNDPROC gPreviousWindowProc = nullptr;
HotkeyHandler* gHotkeyHandler = nullptr;

}  // namespace

void InstallHotkeyHook(HWND window, HotkeyHandler& handler) {
    gHotkeyHandler = &handler;
    gPreviousWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HotkeyWindowProc)));
}

void RemoveHotkeyHook(HWND window) {
    if (!gPreviousWindowProc) {
        return;
    }
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPreviousWindowProc));
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = gPreviousWindowProc;
    if (message == WM_HOTKEY && gHotkeyHandler) {
        // On a failure the message still goes on to the window's own procedure.
        GuardCallback(
            "a hotkey", [&] { gHotkeyHandler->OnHotkey(wParam, lParam); }, [] {});
    }
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
}
