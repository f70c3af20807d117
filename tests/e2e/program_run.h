#pragma once
// The real Murkwell.exe, copied into a program folder of the test's own and started there.

#include <windows.h>

#include <string>

#include "platform/unique_resource_win.h"
#include "tests/win/test_folder.h"

class ProgramRun {
public:
    // Copies the built program into `programFolder`, unless it is there already, and starts it.
    explicit ProgramRun(const TestFolder& programFolder);
    ~ProgramRun();

    bool Started() const { return static_cast<bool>(m_process); }
    // The first visible top-level window of the process with this class, or null on time-out.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 15000) const;
    // Waits for the process to end; its exit code, or -1 on time-out.
    int WaitForExit(DWORD timeoutMs = 15000);
    DWORD ProcessId() const { return m_processId; }
    // Ends the process at once, as a crash or a cut in the power would, and waits for it.
    void Kill();

private:
    UniqueKernelHandle m_process;
    DWORD m_processId = 0;
};

std::wstring WindowText(HWND window);
// The first visible top-level window of the process with this class, or null.
HWND FindVisibleWindow(DWORD processId, const wchar_t* className);
std::wstring BuiltProgramPath();
