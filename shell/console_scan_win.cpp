#include "shell/console_scan_win.h"

#include <windows.h>

#include <atomic>

#include "platform/console_output_win.h"
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

}  // namespace

int RunConsoleScan(const ParsedCommandLine& request) {
    ::AttachConsole(ATTACH_PARENT_PROCESS);  // none when started from a window: fine
    ConsoleOutput out(STD_OUTPUT_HANDLE);
    ConsoleOutput errors(STD_ERROR_HANDLE);
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
