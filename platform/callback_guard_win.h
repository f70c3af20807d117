#pragma once
// The one guard for every function the system calls back into (window, dialog and subclass
// procedures, hooks, enumeration callbacks, COM event sinks): no exception may unwind into the
// system's frames. A failure is reported once a run, to the debugger's output, and the system
// gets the callback's default answer.

#include <windows.h>

#include <commctrl.h>

#include <exception>

// Says, once a run, that a callback failed and where.
void ReportCallbackFailure(const char* where, const char* what) noexcept;

// Runs `body`; on an exception, reports it and returns `fallback()` instead. `fallback` must not
// throw (the system's default procedures do not).
template <typename Body, typename Fallback>
auto GuardCallback(const char* where, Body&& body, Fallback&& fallback) noexcept
    -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& failure) {
        ReportCallbackFailure(where, failure.what());
    } catch (...) {
        ReportCallbackFailure(where, "an unknown exception");
    }
    return fallback();
}

// The guarded forms of the usual callbacks. `body` is the callback's own work, a plain function
// taking the callback's arguments; on a failure the system's default procedure answers.

// A window procedure: the window's default procedure answers.
template <typename Body>
LRESULT GuardWindowProc(const char* where,
                        Body&& body,
                        HWND window,
                        UINT message,
                        WPARAM wParam,
                        LPARAM lParam) noexcept {
    return GuardCallback(
        where, [&]() -> LRESULT { return body(window, message, wParam, lParam); },
        [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
}

// A subclass procedure: the procedure under the subclass answers.
template <typename Body>
LRESULT GuardSubclassProc(const char* where,
                          Body&& body,
                          HWND window,
                          UINT message,
                          WPARAM wParam,
                          LPARAM lParam,
                          UINT_PTR id,
                          DWORD_PTR data) noexcept {
    return GuardCallback(
        where, [&]() -> LRESULT { return body(window, message, wParam, lParam, id, data); },
        [&] { return ::DefSubclassProc(window, message, wParam, lParam); });
}

// A hook procedure: the message goes on down the hook chain.
template <typename Body>
LRESULT GuardHookProc(const char* where,
                      Body&& body,
                      int code,
                      WPARAM wParam,
                      LPARAM lParam) noexcept {
    return GuardCallback(
        where, [&]() -> LRESULT { return body(code, wParam, lParam); },
        [&] { return ::CallNextHookEx(nullptr, code, wParam, lParam); });
}
