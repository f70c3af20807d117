// The program's entry point.

#include <windows.h>

#include <commctrl.h>

#include "platform/com_ptr_win.h"
#include "shell/application_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    ComApartment com;

    Application application;
    return application.Run();
}
