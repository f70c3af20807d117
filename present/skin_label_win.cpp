#include "present/skin_label_win.h"

#include "platform/callback_guard_win.h"
#include "platform/unique_resource_win.h"

namespace {

constexpr int kFontSlot = 0;
// What a plain label answers when a screen reader asks which standard control it is.
constexpr LRESULT kStaticClassIndex = 65536 + 3;

LRESULT SkinLabelMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            ::SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) {
                ::InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return ::GetWindowLongPtrW(hwnd, kFontSlot);
        case WM_SETTEXT: {
            const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // a label takes no clicks
        case WM_GETDLGCODE:
            // A label to the dialog manager: its access key moves to the control after it.
            return DLGC_STATIC;
        case WM_GETOBJECT:
            // And to a screen reader, which names a box or a list after the label before it.
            if (static_cast<LONG>(lParam) == OBJID_QUERYCLASSNAMEIDX) {
                return kStaticClassIndex;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT:
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc =
                message == WM_PAINT ? ::BeginPaint(hwnd, &paint) : reinterpret_cast<HDC>(wParam);
            RECT client{};
            ::GetClientRect(hwnd, &client);
            // The window says how static text looks on it, as it does for plain labels.
            const HWND parent = ::GetParent(hwnd);
            ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(hwnd)));
            if (!brush) {
                brush = ::GetSysColorBrush(COLOR_BTNFACE);
            }
            ::FillRect(dc, &client, brush);
            if (!::IsWindowEnabled(hwnd)) {
                ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
            }
            ::SetBkMode(dc, TRANSPARENT);
            const auto font = reinterpret_cast<HFONT>(::GetWindowLongPtrW(hwnd, kFontSlot));
            {
                const SelectedObject selected(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
                wchar_t text[512] = {};
                ::GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
                ::DrawTextW(dc, text, -1, &client, DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
            }
            if (message == WM_PAINT) {
                ::EndPaint(hwnd, &paint);
            }
            return 0;
        }
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SkinLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProc("a skin label", SkinLabelMessage, hwnd, message, wParam, lParam);
}

}  // namespace

void EnsureSkinLabelClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kSkinLabelClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = SkinLabelProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.lpszClassName = kSkinLabelClass;
    ::RegisterClassExW(&windowClass);
}

HWND CreateSkinLabel(HWND container,
                     int id,
                     const std::wstring& caption,
                     const RECT& rect,
                     bool visible,
                     HFONT font) {
    EnsureSkinLabelClass();
    const HWND label = ::CreateWindowExW(
        0, kSkinLabelClass, caption.c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, container,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (label && font) {
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return label;
}
