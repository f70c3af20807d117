#pragma once
// The one guard for every function the system calls back into (window, dialog and subclass
// procedures, hooks, enumeration callbacks, COM event sinks): no exception may unwind into the
// system's frames. A failure is reported once a run, to the debugger's output, and the system
// gets the callback's default answer.

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
