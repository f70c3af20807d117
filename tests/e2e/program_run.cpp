#include "tests/e2e/program_run.h"

#include <cstdlib>
#include <stdexcept>

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t className[128] = {};
    ::GetClassNameW(window, className, 128);
    if (owner == search->processId && ::IsWindowVisible(window) &&
        wcscmp(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring BuiltProgramPath() {
    const char* dist = std::getenv("MURKWELL_DIST");
    if (!dist) {
        throw std::runtime_error("MURKWELL_DIST is not set");
    }
    return FromUnixPath(dist) + L"\\Murkwell.exe";
}

ProgramRun::ProgramRun(const TestFolder& programFolder) {
    const std::wstring exe = programFolder.PathOf(L"Murkwell.exe");
    // A second run in the same folder uses the copy already there (it may be running).
    if (!programFolder.Exists(L"Murkwell.exe") &&
        !::CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy Murkwell.exe");
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         programFolder.Path().c_str(), &startup, &info)) {
        ::CloseHandle(info.hThread);
        m_process.Reset(info.hProcess);
        m_processId = info.dwProcessId;
    }
}

ProgramRun::~ProgramRun() {
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}

void ProgramRun::Kill() {
    if (m_process) {
        ::TerminateProcess(m_process.Get(), 9);
        ::WaitForSingleObject(m_process.Get(), 10000);
    }
}

HWND FindVisibleWindow(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramRun::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    const DWORD start = ::GetTickCount();
    do {
        if (const HWND found = FindVisibleWindow(m_processId, className)) {
            return found;
        }
        ::Sleep(25);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

int ProgramRun::WaitForExit(DWORD timeoutMs) {
    if (!m_process || ::WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.Get(), &code);
    return static_cast<int>(code);
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(window, buffer, 512);
    return buffer;
}
