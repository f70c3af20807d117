// The menus as the user reads them: captions with their access keys, in order.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "shell/main_menu_win.h"

namespace {

std::vector<std::wstring> Captions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        if (::GetMenuStringW(menu, i, text, 256, MF_BYPOSITION) == 0 &&
            (::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) {
            captions.emplace_back(L"-");
        } else {
            captions.emplace_back(text);
        }
    }
    return captions;
}

}  // namespace

TEST(MainMenu, CaptionsAndOrder) {
    const HMENU bar = CreateMainMenu();
    EXPECT_EQ(Captions(bar),
              (std::vector<std::wstring>{L"&File", L"&Action", L"&Options", L"&Help", L"A&bout"}));
    const std::vector<std::vector<std::wstring>> items = {
        {L"&Add Folder", L"&Remove Selected Folders", L"R&emove All Folders",
         L"&Undo Remove\tCtrl+Z", L"-", L"Find &Hidden Folders...", L"-", L"Exit"},
        {L"&Show Selected Folders", L"Show &All Folders", L"-", L"&Hide Selected Folders",
         L"Hide All &Folders", L"-", L"Select All", L"Deselect All"},
        {L"View Options"},
        {L"View &Help"},
        {L"About This Software"},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Captions(::GetSubMenu(bar, i)), items[static_cast<std::size_t>(i)]) << i;
    }
    // Every item reports its menu's base identifier plus its index; the search and the undo,
    // added later, leave Exit's identifier as it was.
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar, 0), 3), static_cast<UINT>(IDM_UNDO_REMOVE));
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar, 0), 5), static_cast<UINT>(IDM_FILE_FIND));
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar, 0), 7), static_cast<UINT>(IDM_FILE_ITEM + 4));
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar, 1), 7), static_cast<UINT>(IDM_ACTION_ITEM + 7));
    ::DestroyMenu(bar);
}

TEST(MainMenu, RepairMenuOffersTheOppositeStatus) {
    const std::wstring toVisible =
        L"Change to \"Visible\" status (if an error occurred and this folder is not really hidden)";
    const std::wstring toHidden =
        L"Change to \"Hidden\" status (if an error occurred and this folder is not really visible)";
    struct Case {
        const char* status;
        RepairMenuState previous;
        std::vector<std::wstring> offered;
    };
    const Case cases[] = {
        {"Hidden", {false, true}, {toVisible}},
        {"Visible", {true, false}, {toHidden}},
        {"visible", {true, false}, {toVisible}},  // any other word keeps the previous choice
        {"Gone", {false, true}, {toHidden}},
    };
    for (const auto& c : cases) {
        const HMENU menu = CreateRepairMenu(RepairMenuFor(c.status, c.previous));
        EXPECT_EQ(Captions(menu), c.offered) << c.status;
        ::DestroyMenu(menu);
    }
    EXPECT_EQ(RepairMenuState{}, (RepairMenuState{true, false}));
}

TEST(MainMenu, RowMenuSaysWhatItActsOnAndEndsWithTheRepair) {
    const std::wstring toHidden =
        L"Change to \"Hidden\" status (if an error occurred and this folder is not really visible)";
    struct Case {
        bool anyTicked;
        bool canOpen;
        std::vector<std::wstring> captions;
    };
    const Case cases[] = {
        {false,
         true,
         {L"&Open", L"-", L"&Hide", L"&Show", L"&Remove from List\tDel", L"-", toHidden}},
        {true,
         false,
         {L"&Open", L"-", L"&Hide Ticked Folders", L"&Show Ticked Folders",
          L"&Remove Ticked Folders\tDel", L"-", toHidden}},
    };
    for (const auto& c : cases) {
        const HMENU menu = CreateRowMenu({false, true}, c.anyTicked, c.canOpen);
        EXPECT_EQ(Captions(menu), c.captions);
        EXPECT_EQ(::GetMenuState(menu, RowCommandId(RowCommand::Open), MF_BYCOMMAND) & MF_GRAYED,
                  c.canOpen ? 0u : static_cast<UINT>(MF_GRAYED));
        ::DestroyMenu(menu);
    }
}
