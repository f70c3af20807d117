// A window hosting the system web browser control on a local page, and nothing else: the floor
// for the start-up benchmark of a program whose main window shows a web page.
// Usage: bare_web_window PAGE (a full path; the control navigates to it).

#include <windows.h>

#include <objbase.h>

#include <string>

#include "present/web_view_win.h"

namespace {

LRESULT CALLBACK BareWebWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    ::OleInitialize(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BareWebWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareWebWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass);
    const HWND hwnd =
        ::CreateWindowW(L"BareWebWindow", L"Bare web", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 600, 400, nullptr, nullptr, instance, nullptr);
    {
        WebView view;
        const RECT area{0, 0, 600, 120};
        view.Create(hwnd, 1, area, true, L"Web page");
        view.Navigate(commandLine);
        ::ShowWindow(hwnd, SW_SHOW);
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    ::OleUninitialize();
    return 0;
}
