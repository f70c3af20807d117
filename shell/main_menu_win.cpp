#include "shell/main_menu_win.h"

#include "platform/text_win.h"

namespace {

void AppendItem(HMENU menu, int idBase, const MenuItemText& item) {
    if (item.caption == "-") {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(idBase + item.index),
                  Widen(item.caption).c_str());
}

}  // namespace

HMENU CreateMainMenu() {
    const HMENU bar = ::CreateMenu();
    for (const auto& menu : kMenuBar) {
        const HMENU popup = ::CreatePopupMenu();
        for (const auto& item : menu.items) {
            AppendItem(popup, menu.idBase, item);
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                      Widen(menu.caption).c_str());
    }
    return bar;
}

HMENU CreateRepairMenu(RepairMenuState state) {
    const HMENU popup = ::CreatePopupMenu();
    if (state.offerVisible) {
        AppendItem(popup, IDM_ERROR_ITEM, kErrorItems[0]);
    }
    if (state.offerHidden) {
        AppendItem(popup, IDM_ERROR_ITEM, kErrorItems[1]);
    }
    return popup;
}

HMENU CreateRowMenu(RepairMenuState state, bool anyTicked, bool canOpen) {
    const HMENU popup = ::CreatePopupMenu();
    for (const RowCommand command : kRowCommands) {
        const UINT grey = command == RowCommand::Open && !canOpen ? MF_GRAYED : 0;
        ::AppendMenuW(popup, MF_STRING | grey, static_cast<UINT_PTR>(RowCommandId(command)),
                      Widen(RowCommandCaption(command, anyTicked)).c_str());
        if (command == RowCommand::Open) {
            ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        }
    }
    ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    if (state.offerVisible) {
        AppendItem(popup, IDM_ERROR_ITEM, kErrorItems[0]);
    }
    if (state.offerHidden) {
        AppendItem(popup, IDM_ERROR_ITEM, kErrorItems[1]);
    }
    return popup;
}
