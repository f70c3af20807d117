#pragma once
// Starts the test helper process and kills it when asked or at the end.

#include <windows.h>

#include <string>

#include "platform/unique_resource_win.h"

class ChildProcess {
public:
    ChildProcess(const std::wstring& mode, const std::wstring& argument);
    ~ChildProcess() { Kill(); }

    bool Running() const;
    void Kill();
    // Waits for the process to end by itself; its exit code, or -1 on time-out.
    int WaitForExitCode(DWORD timeoutMs = 10000);

private:
    UniqueKernelHandle m_process;
};

inline std::wstring HelperPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.rfind(L'\\') + 1) + L"" MURKWELL_SAVER_CHILD;
}

inline ChildProcess::ChildProcess(const std::wstring& mode, const std::wstring& argument) {
    std::wstring commandLine = L"\"" + HelperPath() + L"\" " + mode + L" \"" + argument + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        m_process.Reset(info.hProcess);
    }
}

inline int ChildProcess::WaitForExitCode(DWORD timeoutMs) {
    if (!m_process || ::WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.Get(), &code);
    m_process.Reset();
    return static_cast<int>(code);
}

inline bool ChildProcess::Running() const {
    return m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

inline void ChildProcess::Kill() {
    if (m_process) {
        ::TerminateProcess(m_process.Get(), 9);
        ::WaitForSingleObject(m_process.Get(), 10000);
        m_process.Reset();
    }
}
