#pragma once
// The main window's menus: captions, access keys and item indices.

#include <span>
#include <string_view>

#include "shell/main_window_ids.h"

struct MenuItemText {
    int index;
    std::string_view caption;  // "-" is a separator
};

inline constexpr MenuItemText kFileItems[] = {
    {0, "&Add Folder"}, {1, "&Remove Selected Folders"}, {2, "R&emove All Folders"}, {3, "-"},
    {5, "Find &Hidden Folders..."}, {6, "-"}, {4, "Exit"},
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

// Which of the two repair items the right-click menu offers. An entry marked "Hidden" can be
// repaired to "Visible" and the other way round; any other status word leaves the choice as it
// was. Before the first right-click only the "Visible" repair is offered.
struct RepairMenuState {
    bool offerVisible = true;
    bool offerHidden = false;

    friend bool operator==(const RepairMenuState&, const RepairMenuState&) = default;
};

inline RepairMenuState RepairMenuFor(std::string_view status, RepairMenuState previous) {
    if (status == "Hidden") {
        return {true, false};
    }
    if (status == "Visible") {
        return {false, true};
    }
    return previous;
}
