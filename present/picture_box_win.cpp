#include "present/picture_box_win.h"

#include "platform/callback_guard_win.h"

#include "present/control_colors_win.h"

namespace {

LRESULT PictureBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(hwnd, &client);
            const auto back = ControlBackColor(hwnd);
            const HDC dc = reinterpret_cast<HDC>(wParam);
            if (back) {
                ::SetBkColor(dc, *back);
                ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
            } else {
                ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
            }
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return ::SendMessageW(::GetParent(hwnd), message, wParam, lParam);
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProc("a picture box", PictureBoxMessage, hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreatePictureBox(HWND parent, int id, const RECT& rect, bool visible) {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = PictureBoxProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kPictureBoxClass;
        return ::RegisterClassExW(&windowClass);
    }();
    (void)registered;
    return ::CreateWindowExW(
        0, kPictureBoxClass, L"",
        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}
