// The program's entry point.

#include <windows.h>

#include <commctrl.h>

#include "platform/com_ptr_win.h"
#include "platform/unique_resource_win.h"
#include "shell/application_win.h"

namespace {

// One running copy per user session.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Kestrelby.Murkwell.Running";

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Taken before anything else, so that the copy that came first is the one that runs, even
    // while it waits at its password prompt; a second copy ends at once, without a message.
    UniqueKernelHandle instanceMutex(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    if (!instanceMutex || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    ComApartment com;

    Application application;
    return application.Run();
}
