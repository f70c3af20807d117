#pragma once

#include <windows.h>

#include "platform/outcome.h"

// The run-time error number and the system's own description of a Win32 error code.
RuntimeError RuntimeErrorFromWin32(DWORD win32Error);

inline Outcome LastErrorOutcome() {
    return Outcome::Failure(RuntimeErrorFromWin32(::GetLastError()));
}
