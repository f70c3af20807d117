#include "platform/window_win.h"

#include <algorithm>
#include <string>

#include "platform/callback_guard_win.h"
#include "platform/placement.h"
#include "platform/twips.h"

namespace {

struct FirstIcon {
    bool found = false;
    WORD number = 0;    // a numbered resource
    std::wstring name;  // or a named one
};

BOOL CALLBACK TakeFirstIcon(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto& first = *reinterpret_cast<FirstIcon*>(param);
    first.found = true;
    if (IS_INTRESOURCE(name)) {
        first.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    } else {
        first.name = name;
    }
    return FALSE;  // the first is the one
}

// The program's icon: the first icon group in the executable, the one Explorer shows for it.
// Null when it carries none.
LPCWSTR ProgramIcon(HINSTANCE instance) {
    static const FirstIcon first = [instance] {
        FirstIcon found;
        ::EnumResourceNamesW(instance, RT_GROUP_ICON, TakeFirstIcon,
                             reinterpret_cast<LONG_PTR>(&found));
        return found;
    }();
    if (!first.found) {
        return nullptr;
    }
    return first.name.empty() ? MAKEINTRESOURCEW(first.number) : first.name.c_str();
}

}  // namespace

Window::~Window() {
    if (m_hwnd) {
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hwnd);
    }
}

bool Window::CreateWindowOf(const wchar_t* className,
                            const wchar_t* title,
                            DWORD style,
                            DWORD exStyle,
                            int x,
                            int y,
                            int width,
                            int height,
                            HWND parent,
                            HMENU menu) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!::GetClassInfoExW(instance, className, &existing)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = StaticWindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        // The program's icon for Alt+Tab and the taskbar; none in a program that has none.
        if (const LPCWSTR icon = ProgramIcon(instance)) {
            windowClass.hIcon = static_cast<HICON>(
                ::LoadImageW(instance, icon, IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                             ::GetSystemMetrics(SM_CYICON), LR_SHARED));
            windowClass.hIconSm = static_cast<HICON>(
                ::LoadImageW(instance, icon, IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                             ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        }
        ConfigureClass(windowClass);
        if (!::RegisterClassExW(&windowClass)) {
            return false;
        }
    }
    return ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                             instance, this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // On a failure the message counts as handled.
    const LRESULT result = GuardCallback(
        "a window procedure", [&] { return self->HandleMessage(message, wParam, lParam); },
        [] { return LRESULT{0}; });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

namespace {

PixelRect WorkAreaNear(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        return {work.left, work.top, work.right, work.bottom};
    }
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

// Moves `window` to (`left`, `top`), kept wholly inside the work area it is nearest to.
void PlaceInWorkArea(HWND window, HWND nearWindow, int left, int top) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const PixelRect placed = FitInWorkArea(left, top, rect.right - rect.left,
                                           rect.bottom - rect.top, WorkAreaNear(nearWindow));
    ::SetWindowPos(window, nullptr, placed.left, placed.top, placed.right - placed.left,
                   placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void FitInWorkArea(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    PlaceInWorkArea(window, window, rect.left, rect.top);
}

namespace {

// Places `window` over the middle of `area`, kept inside the work area nearest `nearWindow`.
void CenterOverArea(HWND window, const RECT& area, HWND nearWindow) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int left = area.left + ((area.right - area.left) - (rect.right - rect.left)) / 2;
    const int top = area.top + ((area.bottom - area.top) - (rect.bottom - rect.top)) / 2;
    PlaceInWorkArea(window, nearWindow, left, top);
}

bool OnScreen(HWND window) {
    return window && ::IsWindowVisible(window) && !::IsIconic(window);
}

}  // namespace

void CenterOnOwner(HWND window) {
    const HWND owner = ::GetWindow(window, GW_OWNER);
    if (!OnScreen(owner)) {
        FitInWorkArea(window);
        return;
    }
    RECT ownerRect{};
    ::GetWindowRect(owner, &ownerRect);
    CenterOverArea(window, ownerRect, owner);
}

void CenterOver(HWND window, HWND asker) {
    if (OnScreen(asker)) {
        RECT askerRect{};
        ::GetWindowRect(asker, &askerRect);
        CenterOverArea(window, askerRect, asker);
        return;
    }
    const PixelRect work = WorkAreaNear(asker ? asker : window);
    CenterOverArea(window, {work.left, work.top, work.right, work.bottom}, asker ? asker : window);
}

std::wstring TextOfWindow(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

SizeInTwips OuterSizeInTwips(HWND window, int dpi) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {PixelsToTwips(rect.right - rect.left, dpi), PixelsToTwips(rect.bottom - rect.top, dpi)};
}

SIZE OuterSizeForClient(SizeInTwips client, DWORD style, bool hasMenu, int dpi) {
    RECT frame{0, 0, TwipsToPixels(client.width, dpi), TwipsToPixels(client.height, dpi)};
    ::AdjustWindowRectEx(&frame, style, hasMenu, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT PlaceInPixels(int left, int top, int width, int height, int dpi) {
    return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(left + width, dpi),
            TwipsToPixels(top + height, dpi)};
}

void MoveInTwips(HWND control, int left, int top, int width, int height, int dpi) {
    ::MoveWindow(control, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
                 TwipsToPixels(width, dpi), TwipsToPixels(height, dpi), TRUE);
}
