#include "shell/splash_window_win.h"

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/twips.h"
#include "platform/unique_resource_win.h"
#include "present/artwork_win.h"
#include "present/high_contrast_win.h"
#include "present/skin_engine_win.h"
#include "present/skin_form_win.h"

namespace {

constexpr wchar_t kClassName[] = L"MurkwellSplash";
constexpr UINT_PTR kPauseTimer = 2;
constexpr UINT kPauseTickMs = 2;
constexpr int kWidthTwips = 7170;
constexpr int kHeightTwips = 4770;

long long Microseconds() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000000 / frequency.QuadPart;
}

}  // namespace

bool SplashWindow::Create(const ProductInfo& productInfo) {
    m_productInfo = &productInfo;
    const int dpi = WindowDpi(nullptr);
    const int width = TwipsToPixels(kWidthTwips, dpi);
    const int height = TwipsToPixels(kHeightTwips, dpi);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!CreateWindowOf(kClassName, Widen(productInfo.productName).c_str(), WS_POPUP | WS_BORDER,
                        WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, left, top, width, height, nullptr,
                        nullptr)) {
        return false;
    }
    if (productInfo.skinEnabled) {
        // Ready before any window loads, the password prompt of a guarded start included, and
        // so are its message boxes.
        gSkin = &m_skin;
        (void)RefreshHighContrast();
        StartSkinEngine(m_skin);
    }
    return true;
}

void SplashWindow::ResumeStart() {
    if (m_productInfo->skinEnabled) {
        SkinForm(Handle());
    }
    m_pauseStart = Microseconds();
    ::SetTimer(Handle(), kPauseTimer, kPauseTickMs, nullptr);
}

void SplashWindow::Paint(HDC dc, const RECT& area) const {
    DrawArtworkGround(dc, area, false);
    const int dpi = WindowDpi(nullptr);
    const int unit = ::MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
    const int folderLeft = area.left + 5 * unit;
    const int folderTop = area.top + 8 * unit;
    DrawVeiledFolder(dc, folderLeft, folderTop, unit);

    ::SetBkMode(dc, TRANSPARENT);
    UniqueFont title = CreateUiFont(L"Verdana", 300, FW_BOLD, dpi);
    UniqueFont subtitle = CreateUiFont(L"Verdana", 110, FW_NORMAL, dpi);
    RECT text{folderLeft + 15 * unit, folderTop - unit, area.right - 2 * unit,
              folderTop + 7 * unit};
    {
        const SelectedObject selected(dc, title.Get());
        ::SetTextColor(dc, kArtworkText);
        ::DrawTextW(dc, Widen(m_productInfo->productName).c_str(), -1, &text,
                    DT_SINGLELINE | DT_BOTTOM | DT_LEFT | DT_NOPREFIX);
    }
    const SelectedObject selected(dc, subtitle.Get());
    ::SetTextColor(dc, RGB(0xB9, 0xD6, 0xDC));
    text.top = text.bottom + unit / 2;
    text.bottom = text.top + 3 * unit;
    ::DrawTextW(dc, L"Folders out of sight, back on demand", -1, &text,
                DT_SINGLELINE | DT_TOP | DT_LEFT | DT_NOPREFIX);
    RECT footer{area.left + 5 * unit, area.bottom - 5 * unit, area.right - 4 * unit,
                area.bottom - 2 * unit};
    const std::wstring credit = L"Version " + std::to_wstring(m_productInfo->majorVersion) + L"." +
                                std::to_wstring(m_productInfo->minorVersion) + L"   \u00b7   " +
                                Widen(m_productInfo->companyName);
    ::DrawTextW(dc, credit.c_str(), -1, &footer,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

LRESULT SplashWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kPauseTimer && !m_prepared) {
                // The pause counts real time, so work done in it does not lengthen it.
                m_prepared = true;
                m_prepareMainWindow();
            }
            if (wParam == kPauseTimer &&
                m_pause.Advance(static_cast<double>(Microseconds() - m_pauseStart) / 1000.0)) {
                ::KillTimer(Handle(), kPauseTimer);
                m_createMainWindow();
                ::ShowWindow(Handle(), SW_HIDE);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = ::BeginPaint(Handle(), &paint);
            RECT client{};
            ::GetClientRect(Handle(), &client);
            Paint(dc, client);
            ::EndPaint(Handle(), &paint);
            return 0;
        }
    }
    return Window::HandleMessage(message, wParam, lParam);
}
