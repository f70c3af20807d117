#pragma once
// Windows for the skin's tests: a plain top-level window and its child controls.

#include <windows.h>

inline HWND Child(HWND parent,
                  const wchar_t* className,
                  const wchar_t* text,
                  DWORD style,
                  int id,
                  RECT rect) {
    return ::CreateWindowExW(0, className, text, WS_CHILD | style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

class TopWindow {
public:
    explicit TopWindow(DWORD style = WS_OVERLAPPEDWINDOW, HMENU menu = nullptr)
        : m_window(::CreateWindowExW(0,
                                     L"STATIC",
                                     L"Skin test",
                                     style,
                                     50,
                                     50,
                                     400,
                                     300,
                                     nullptr,
                                     menu,
                                     ::GetModuleHandleW(nullptr),
                                     nullptr)) {}
    ~TopWindow() { ::DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};
