#include "platform/callback_guard_win.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

void ReportCallbackFailure(const char* where, const char* what) noexcept {
    static std::atomic<bool> reported{false};
    if (reported.exchange(true)) {
        return;  // one line is enough to find it; a failing paint would repeat it endlessly
    }
    char line[512];
    std::snprintf(line, sizeof(line), "Murkwell: %s failed: %s\n", where, what ? what : "");
    ::OutputDebugStringA(line);
}
