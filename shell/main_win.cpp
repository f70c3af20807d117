// The program's entry point.

#include <windows.h>

#include <commctrl.h>

#include "platform/com_ptr_win.h"
#include "present/product_info_win.h"
#include "shell/main_window_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    ComApartment com;

    ProductInfo productInfo = LoadProductInfo();
    MainWindow mainWindow(productInfo);
    if (!mainWindow.Create()) {
        return 0;
    }
    mainWindow.ShowFirstTime(showCommand);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageW(mainWindow.Handle(), &message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
