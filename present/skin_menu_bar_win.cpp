#include "present/skin_menu_bar_win.h"

#include <windowsx.h>

#include "platform/callback_guard_win.h"
#include "platform/unique_resource_win.h"

namespace {

// The one menu loop of the thread: TrackPopupMenu runs it, and the filter hook sees its
// messages with nothing of ours but this.
struct MenuBarTracking {
    HWND window = nullptr;
    std::vector<PixelRect> items;
    int open = -1;
    int next = -1;
};
thread_local MenuBarTracking* tTracking = nullptr;

LRESULT FilterMenuMessage(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_MENU && tTracking && message) {
        const int count = static_cast<int>(tTracking->items.size());
        const int open = tTracking->open;
        if (message->message == WM_KEYDOWN &&
            (message->wParam == VK_LEFT || message->wParam == VK_RIGHT)) {
            // The bar's menus have no cascading submenus, so the keys are free for this.
            if (count > 1) {
                tTracking->next = (open + (message->wParam == VK_RIGHT ? 1 : count - 1)) % count;
                ::EndMenu();
                return TRUE;
            }
        }
        if (message->message == WM_MOUSEMOVE) {
            RECT windowRect{};
            ::GetWindowRect(tTracking->window, &windowRect);
            const POINT at{GET_X_LPARAM(message->lParam), GET_Y_LPARAM(message->lParam)};
            const int item =
                MenuBarItemAt(tTracking->items, at.x - windowRect.left, at.y - windowRect.top);
            if (item >= 0 && item != open) {
                tTracking->next = item;
                ::EndMenu();
                return TRUE;
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    return GuardHookProc("the menu bar's keys", FilterMenuMessage, code, wParam, lParam);
}

wchar_t UpperCase(wchar_t letter) {
    wchar_t text[2] = {letter, 0};
    ::CharUpperBuffW(text, 1);
    return text[0];
}

// The thread's access-key hook, there while at least one window is watched.
struct AccessKeyWatch {
    UniqueHook hook;
    int windows = 0;
    SkinnedMenuLookup menuOf = nullptr;
};
thread_local AccessKeyWatch tAccessKeys;

LRESULT WatchAccessKey(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message && message->message == WM_SYSCHAR &&
        message->hwnd && tAccessKeys.menuOf) {
        const HWND root = ::GetAncestor(message->hwnd, GA_ROOT);
        HMENU menu = nullptr;
        const auto key = static_cast<wchar_t>(message->wParam);
        if (root != message->hwnd && tAccessKeys.menuOf(root, menu) &&
            (key == L' ' || MenuItemForAccessKey(menu, key) >= 0)) {
            ::PostMessageW(root, WM_SYSCOMMAND, SC_KEYMENU, key);
            message->message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK AccessKeyHookProc(int code, WPARAM wParam, LPARAM lParam) {
    return GuardHookProc("the menu bar's access keys", WatchAccessKey, code, wParam, lParam);
}

}  // namespace

std::wstring MenuItemText(HMENU menu, int index) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(index), text, static_cast<int>(std::size(text)),
                     MF_BYPOSITION);
    return text;
}

int MenuItemForAccessKey(HMENU menu, wchar_t key) {
    if (!menu) {
        return -1;
    }
    const wchar_t wanted = UpperCase(key);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const std::wstring text = MenuItemText(menu, i);
        const auto amp = text.find(L'&');
        if (amp != std::wstring::npos && amp + 1 < text.size() &&
            UpperCase(text[amp + 1]) == wanted) {
            return i;
        }
    }
    return -1;
}

std::vector<PixelRect> LayOutMenuItems(HMENU menu, const PixelRect& bar, HDC dc, int padding) {
    std::vector<int> widths;
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
        RECT measure{};
        ::DrawTextW(dc, MenuItemText(menu, i).c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
        widths.push_back(measure.right - measure.left);
    }
    return LayOutMenuBar(bar, widths, padding);
}

void TrackMenuBar(HWND window,
                  HMENU menu,
                  const std::vector<PixelRect>& items,
                  int item,
                  bool fromKeyboard,
                  const std::function<void(int)>& showOpen) {
    MenuBarTracking tracking;
    tracking.window = window;
    tracking.items = items;
    const UniqueHook hook(
        ::SetWindowsHookExW(WH_MSGFILTER, MenuFilterProc, nullptr, ::GetCurrentThreadId()));
    tTracking = &tracking;
    while (item >= 0 && item < static_cast<int>(tracking.items.size())) {
        tracking.next = -1;
        tracking.open = item;
        showOpen(item);
        RECT windowRect{};
        ::GetWindowRect(window, &windowRect);
        const PixelRect& place = tracking.items[static_cast<std::size_t>(item)];
        if (fromKeyboard) {
            ::PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);  // select the first item
        }
        ::TrackPopupMenu(::GetSubMenu(menu, item), TPM_LEFTALIGN | TPM_TOPALIGN,
                         windowRect.left + place.left, windowRect.top + place.bottom, 0, window,
                         nullptr);
        item = tracking.next;
    }
    tTracking = nullptr;
    showOpen(-1);
}

void WatchAccessKeys(bool attach, SkinnedMenuLookup menuOf) {
    if (attach && tAccessKeys.windows++ == 0) {
        tAccessKeys.menuOf = menuOf;
        tAccessKeys.hook.Reset(
            ::SetWindowsHookExW(WH_GETMESSAGE, AccessKeyHookProc, nullptr, ::GetCurrentThreadId()));
    } else if (!attach && --tAccessKeys.windows == 0) {
        tAccessKeys.hook.Reset();
    }
}
