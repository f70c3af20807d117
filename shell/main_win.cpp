// The program's entry point.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/com_ptr_win.h"
#include "platform/console_output_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "shell/application_win.h"
#include "shell/command_line.h"
#include "shell/console_scan_win.h"
#include "shell/console_show_all_win.h"
#include "vault/show_all_run.h"

namespace {

// One running copy per user session.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Kestrelby.Murkwell.Running";

// The words after the program's name, in UTF-8.
std::vector<std::string> CommandLineArguments() {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i) {
        arguments.push_back(Narrow(words[i]));
    }
    ::LocalFree(words);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A search from the command line reads the disk only: it needs no window, no list and no
    // lock, and may run beside the program.
    const ParsedCommandLine parsed = ParseCommandLine(CommandLineArguments());
    if (const std::string refusal = RefusalText(parsed); !refusal.empty()) {
        ::AttachConsole(ATTACH_PARENT_PROCESS);  // none when started from a window: fine
        ConsoleOutput(STD_ERROR_HANDLE).WriteLine(Widen(refusal));
        return kCommandLineRefused;
    }
    if (parsed.request == CommandLineRequest::Scan) {
        return RunConsoleScan(parsed);
    }

    // Taken before anything else, so that the copy that came first is the one that runs, even
    // while it waits at its password prompt; a second copy ends at once, without a message.
    UniqueKernelHandle instanceMutex(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    const bool alreadyRunning = !instanceMutex || ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (parsed.request == CommandLineRequest::ShowAll) {
        // The running copy owns the list: two programs saving it would undo each other.
        if (alreadyRunning) {
            ::AttachConsole(ATTACH_PARENT_PROCESS);
            ConsoleOutput(STD_ERROR_HANDLE)
                .WriteLine(L"Murkwell is running: close it, then try again. No folder was shown.");
            return kShowAllSomeStillHidden;
        }
        return RunShowAll();
    }
    if (parsed.request == CommandLineRequest::HiddenCount) {
        return RunHiddenCount();  // reads only: the running copy may be left alone
    }
    if (alreadyRunning) {
        return 0;
    }

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC =
        ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS;
    ::InitCommonControlsEx(&controls);
    ComApartment com;

    Application application;
    return application.Run();
}
