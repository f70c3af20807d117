#include "shell/console_scan_win.h"

#include <windows.h>

#include <atomic>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "vault/hidden_folder_scan.h"
#include "vault/hidden_folder_walk_win.h"

namespace {

std::atomic<bool> gStopScan{false};

BOOL WINAPI StopOnCtrlC(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        gStopScan = true;
        return TRUE;
    }
    return FALSE;
}

// One of the two output streams: a console written in UTF-16, or a file or pipe written in
// UTF-8.
class OutputStream {
public:
    explicit OutputStream(DWORD which) {
        m_handle = ::GetStdHandle(which);
        if (!m_handle || m_handle == INVALID_HANDLE_VALUE) {
            // A program without a console of its own is given none; write to its parent's.
            m_console.Reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
            m_handle = m_console.Get();
        }
        DWORD mode = 0;
        m_isConsole = m_handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(m_handle, &mode);
    }

    void WriteLine(const std::wstring& text) {
        if (m_handle == INVALID_HANDLE_VALUE || !m_handle) {
            return;
        }
        const std::wstring line = text + L"\r\n";
        DWORD written = 0;
        if (m_isConsole) {
            ::WriteConsoleW(m_handle, line.c_str(), static_cast<DWORD>(line.size()), &written,
                            nullptr);
            return;
        }
        const std::string bytes = Narrow(line);
        ::WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

private:
    HANDLE m_handle = nullptr;
    UniqueFile m_console;
    bool m_isConsole = false;
};

}  // namespace

int RunConsoleScan(const ParsedCommandLine& request) {
    ::AttachConsole(ATTACH_PARENT_PROCESS);  // none when started from a window: fine
    OutputStream out(STD_OUTPUT_HANDLE);
    OutputStream errors(STD_ERROR_HANDLE);
    if (request.request != CommandLineRequest::Scan) {
        errors.WriteLine(L"Usage: Murkwell.exe /scan PATH");
        return kScanPathMissing;
    }
    const std::wstring root = FolderToWalk(Widen(CleanedLookIn(request.path)));
    if (root.empty()) {
        errors.WriteLine(L"The folder to look in does not exist: " + Widen(request.path));
        return kScanPathMissing;
    }
    ::SetConsoleCtrlHandler(StopOnCtrlC, TRUE);
    WalkProgress progress;
    ScanTally tally;
    const bool finished =
        WalkForHiddenFolders(root, gStopScan, progress, [&](const std::wstring& pathOnDisk) {
            out.WriteLine(pathOnDisk);
            ++tally.found;
        });
    tally.scanned = progress.scanned;
    tally.unreadable = progress.unreadable;
    errors.WriteLine(
        Widen(ScanProgressText(finished ? ScanStage::Finished : ScanStage::Stopped, tally)));
    return finished ? kScanFinished : kScanStopped;
}
