#pragma once
// The main window's menus: captions, access keys and item indices.

#include <span>
#include <string_view>

#include "shell/main_window_ids.h"
#include "vault/folder_entry.h"

struct MenuItemText {
    int index;
    std::string_view caption;  // "-" is a separator
};

inline constexpr MenuItemText kFileItems[] = {
    {0, "&Add Folder"},
    {1, "&Remove Selected Folders"},
    {2, "R&emove All Folders"},
    {7, "&Undo Remove\tCtrl+Z"},
    {3, "-"},
    {5, "Find &Hidden Folders..."},
    {6, "-"},
    {4, "Exit"},
};
inline constexpr MenuItemText kActionItems[] = {
    {0, "&Show Selected Folders"},
    {1, "Show &All Folders"},
    {2, "-"},
    {3, "&Hide Selected Folders"},
    {4, "Hide All &Folders"},
    {5, "-"},
    {6, "Select All"},
    {7, "Deselect All"},
};
inline constexpr MenuItemText kOptionsItems[] = {{0, "View Options"}};
inline constexpr MenuItemText kHelpItems[] = {{0, "View &Help"}};
inline constexpr MenuItemText kAboutItems[] = {{0, "About This Software"}};
struct MenuText {
    std::string_view caption;
    int idBase;
    std::span<const MenuItemText> items;
};

// The menu bar, left to right.
inline constexpr MenuText kMenuBar[] = {
    {"&File", IDM_FILE_ITEM, kFileItems},          {"&Action", IDM_ACTION_ITEM, kActionItems},
    {"&Options", IDM_OPTIONS_ITEM, kOptionsItems}, {"&Help", IDM_HELP_ITEM, kHelpItems},
    {"A&bout", IDM_ABOUT_ITEM, kAboutItems},
};

// The right-click menu of the list; never on the menu bar.
inline constexpr MenuItemText kErrorItems[] = {
    {0, "Change to \"Visible\" status (if an error occurred and this folder is not really hidden)"},
    {1, "Change to \"Hidden\" status (if an error occurred and this folder is not really visible)"},
};

// The commands the right-click menu puts above the repairs. They act on the highlighted rows while
// nothing is ticked, and on the ticked rows otherwise, and say which.
enum class RowCommand { Open, Hide, Show, Remove };
inline constexpr RowCommand kRowCommands[] = {RowCommand::Open, RowCommand::Hide, RowCommand::Show,
                                              RowCommand::Remove};

inline constexpr int RowCommandId(RowCommand command) {
    return IDM_ROW_ITEM + static_cast<int>(command);
}

inline std::string_view RowCommandCaption(RowCommand command, bool anyTicked) {
    switch (command) {
        case RowCommand::Open:
            return "&Open";
        case RowCommand::Hide:
            return anyTicked ? "&Hide Ticked Folders" : "&Hide";
        case RowCommand::Show:
            return anyTicked ? "&Show Ticked Folders" : "&Show";
        case RowCommand::Remove:
            return anyTicked ? "&Remove Ticked Folders\tDel" : "&Remove from List\tDel";
    }
    return {};
}

// An item's command identifier, found by its caption: the menus may be reordered without a
// command changing its meaning. -1 for a caption the menu does not have.
constexpr int MenuItemId(int idBase,
                         std::span<const MenuItemText> items,
                         std::string_view caption) {
    for (const MenuItemText& item : items) {
        if (item.caption == caption) {
            return idBase + item.index;
        }
    }
    return -1;
}

inline constexpr int IDM_ADD_FOLDER = MenuItemId(IDM_FILE_ITEM, kFileItems, "&Add Folder");
inline constexpr int IDM_REMOVE_SELECTED =
    MenuItemId(IDM_FILE_ITEM, kFileItems, "&Remove Selected Folders");
inline constexpr int IDM_REMOVE_ALL = MenuItemId(IDM_FILE_ITEM, kFileItems, "R&emove All Folders");
inline constexpr int IDM_EXIT = MenuItemId(IDM_FILE_ITEM, kFileItems, "Exit");
inline constexpr int IDM_UNDO_REMOVE =
    MenuItemId(IDM_FILE_ITEM, kFileItems, "&Undo Remove\tCtrl+Z");
inline constexpr int IDM_SHOW_SELECTED =
    MenuItemId(IDM_ACTION_ITEM, kActionItems, "&Show Selected Folders");
inline constexpr int IDM_SHOW_ALL = MenuItemId(IDM_ACTION_ITEM, kActionItems, "Show &All Folders");
inline constexpr int IDM_HIDE_SELECTED =
    MenuItemId(IDM_ACTION_ITEM, kActionItems, "&Hide Selected Folders");
inline constexpr int IDM_HIDE_ALL = MenuItemId(IDM_ACTION_ITEM, kActionItems, "Hide All &Folders");
inline constexpr int IDM_SELECT_ALL = MenuItemId(IDM_ACTION_ITEM, kActionItems, "Select All");
inline constexpr int IDM_DESELECT_ALL = MenuItemId(IDM_ACTION_ITEM, kActionItems, "Deselect All");
inline constexpr int IDM_VIEW_OPTIONS = MenuItemId(IDM_OPTIONS_ITEM, kOptionsItems, "View Options");
inline constexpr int IDM_VIEW_HELP = MenuItemId(IDM_HELP_ITEM, kHelpItems, "View &Help");
inline constexpr int IDM_ABOUT = MenuItemId(IDM_ABOUT_ITEM, kAboutItems, "About This Software");
inline constexpr int IDM_MARK_VISIBLE = IDM_ERROR_ITEM + kErrorItems[0].index;
inline constexpr int IDM_MARK_HIDDEN = IDM_ERROR_ITEM + kErrorItems[1].index;
static_assert(IDM_ADD_FOLDER > 0 && IDM_REMOVE_SELECTED > 0 && IDM_REMOVE_ALL > 0 && IDM_EXIT > 0 &&
                  IDM_UNDO_REMOVE > 0 && IDM_SHOW_SELECTED > 0 && IDM_SHOW_ALL > 0 &&
                  IDM_HIDE_SELECTED > 0 && IDM_HIDE_ALL > 0 && IDM_SELECT_ALL > 0 &&
                  IDM_DESELECT_ALL > 0 && IDM_VIEW_OPTIONS > 0 && IDM_VIEW_HELP > 0 &&
                  IDM_ABOUT > 0,
              "every named command is on its menu");
static_assert(IDM_FILE_FIND == MenuItemId(IDM_FILE_ITEM, kFileItems, "Find &Hidden Folders..."));

// Which of the two repair items the right-click menu offers. An entry marked "Hidden" can be
// repaired to "Visible" and the other way round; any other status word leaves the choice as it
// was. Before the first right-click only the "Visible" repair is offered.
struct RepairMenuState {
    bool offerVisible = true;
    bool offerHidden = false;

    friend bool operator==(const RepairMenuState&, const RepairMenuState&) = default;
};

inline RepairMenuState RepairMenuFor(std::string_view status, RepairMenuState previous) {
    if (status == kStatusHidden) {
        return {true, false};
    }
    if (status == kStatusVisible) {
        return {false, true};
    }
    return previous;
}
