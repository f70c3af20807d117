#include "shell/startup_trace_win.h"

#include <windows.h>

#include <cstdio>

namespace {

long long Now() {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

// Appends "<name> <milliseconds since start>" to the trace file, when there is one.
void Record(const char* name, long long start) {
    wchar_t path[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"MURKWELL_STARTUP_TRACE", path, MAX_PATH) == 0) {
        return;
    }
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    const double milliseconds =
        1000.0 * static_cast<double>(Now() - start) / static_cast<double>(frequency.QuadPart);
    if (FILE* file = _wfopen(path, L"a")) {
        std::fprintf(file, "%s %.1f\n", name, milliseconds);
        std::fclose(file);
    }
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
    Record("load-to-list-painted-ms", m_start);
}

void StartupTrace::DiskCheckStarted() {
    m_diskCheckStart = Now();
}

void StartupTrace::DiskCheckApplied() {
    Record("disk-check-ms", m_diskCheckStart);
}
