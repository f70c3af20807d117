#include "shell/startup_trace_win.h"

#include <windows.h>

#include <cstdio>

namespace {

long long Now() {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double MillisecondsSince(long long start) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(Now() - start) / static_cast<double>(frequency.QuadPart);
}

// Appends "<name> <milliseconds>" to the trace file, when there is one.
void Record(const char* name, double milliseconds) {
    wchar_t path[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"MURKWELL_STARTUP_TRACE", path, MAX_PATH) == 0) {
        return;
    }
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
    Record("load-to-list-painted-ms", MillisecondsSince(m_start));
}

void StartupTrace::DiskCheckApplying() {
    m_diskCheckStart = Now();
}

void StartupTrace::DiskCheckApplied(double lookMilliseconds) {
    Record("disk-check-ms", lookMilliseconds + MillisecondsSince(m_diskCheckStart));
}
