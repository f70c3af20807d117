#include "shell/main_window_win.h"

#include "platform/text_win.h"
#include "platform/twips.h"

namespace {

constexpr wchar_t kClassName[] = L"MurkwellMainWindow";
constexpr int kClientWidthTwips = 9900;
constexpr int kClientHeightTwips = 7530;

int ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

bool MainWindow::Create() {
    const int dpi = ScreenDpi();
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi)};
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    return CreateWindowOf(kClassName, Widen(MainWindowCaption(m_productInfo)).c_str(), style, 0,
                          CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                          frame.bottom - frame.top, nullptr, nullptr);
}

void MainWindow::Show(int showCommand) {
    ::ShowWindow(Handle(), showCommand);
    ::UpdateWindow(Handle());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
