#pragma once
// The skin's menu bar: a window's menu drawn in its frame and opened from there with the mouse
// and the keyboard, as the system's menu bar is.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "present/skin_frame_layout.h"

// An item's caption, access key marker included.
std::wstring MenuItemText(HMENU menu, int index);
// The item whose access key is `key`, in any case; -1 when none has it.
int MenuItemForAccessKey(HMENU menu, wchar_t key);
// Lays the items out along `bar`, measured with the menu font selected into `dc`.
std::vector<PixelRect> LayOutMenuItems(HMENU menu, const PixelRect& bar, HDC dc, int padding);

// Opens the bar's menu `item` (`items` in window coordinates). While it is open, Left and Right
// and the mouse over another item of the bar move to the neighbouring menu, until a menu closes
// without that. `showOpen(item)` repaints the bar with that item open, -1 once all are closed.
void TrackMenuBar(HWND window,
                  HMENU menu,
                  const std::vector<PixelRect>& items,
                  int item,
                  bool fromKeyboard,
                  const std::function<void(int)>& showOpen);

// Alt and a letter typed in a control reach the system's menu handling, never the window: while
// at least one window is watched, the keys for a skinned menu bar (and Alt+Space for the window
// menu) are taken on their way to the control and handed to the window they belong to.
// `menuOf(root, menu)` says whether `root` wears a skinned frame, and gives its menu (or null).
using SkinnedMenuLookup = bool (*)(HWND root, HMENU& menu);
void WatchAccessKeys(bool attach, SkinnedMenuLookup menuOf);
