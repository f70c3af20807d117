#pragma once
// Small helpers for tests that make real windows in their own process.

#include <windows.h>

// Runs the thread's messages for a while: web views finish their work through them.
inline void PumpMessages(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    }
}

// The height (LOGFONT lfHeight) of the font a control draws with.
inline int FontHeight(HWND control) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
    return font.lfHeight;
}

// Where a control lies, in the client coordinates of `container`.
inline RECT RectIn(HWND control, HWND container) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
