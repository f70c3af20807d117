#include "shell/startup_trace_win.h"

#include <windows.h>

#include <cstdio>

namespace {

long long Now() {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

}  // namespace

void StartupTrace::LoadStarted() {
    wchar_t ignored[4];
    m_waiting = ::GetEnvironmentVariableW(L"MURKWELL_STARTUP_TRACE", ignored, 4) > 0;
    m_start = Now();
}

void StartupTrace::ListPainted() {
    if (!m_waiting) {
        return;
    }
    m_waiting = false;
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    const double milliseconds =
        1000.0 * static_cast<double>(Now() - m_start) / static_cast<double>(frequency.QuadPart);
    wchar_t path[MAX_PATH] = {};
    ::GetEnvironmentVariableW(L"MURKWELL_STARTUP_TRACE", path, MAX_PATH);
    if (FILE* file = _wfopen(path, L"a")) {
        std::fprintf(file, "load-to-list-painted-ms %.1f\n", milliseconds);
        std::fclose(file);
    }
}
