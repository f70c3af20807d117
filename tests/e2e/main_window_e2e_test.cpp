// The main window of the real program: rows, buttons, menus, message boxes, the disk and the
// list file afterwards.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/e2e/main_window_fixture.h"
#include "tests/e2e/screen_ink.h"
#include "tests/win/child_process.h"

namespace {

constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::vector<RemoteRow> Rows(std::initializer_list<RemoteRow> rows) {
    return rows;
}

}  // namespace

TEST_F(MainWindowTest, ShowsTheListFileAndItsOwnTexts) {
    PrepareList({{"C:\\Data\\Tax", "Hidden"}, {"D:\\Caf\xC3\xA9", "Visible"}, {"E:\\x", "odd"}});
    Start();

    EXPECT_EQ(TextOf(window), L"Murkwell by Kestrelby");
    EXPECT_EQ(ReadRows(list), Rows({{L"C:\\Data\\Tax", L"Hidden", false},
                                    {L"D:\\Caf\u00e9", L"Visible", false},
                                    {L"E:\\x", L"odd", false}}));
    EXPECT_EQ(ReadColumnHeaders(list), (std::vector<std::wstring>{L"Folder", L"Status"}));
    const std::pair<int, const wchar_t*> buttons[] = {
        {IDC_CMD_ADD, L"Add"},         {IDC_CMD_DEL, L"Remove "},
        {IDC_CMD_HIDE, L"Hide"},       {IDC_CMD_SHOW, L"Show"},
        {IDC_CMD_OPTIONS, L"Options"}, {IDC_CMD_WEBSITE, L"Visit www.murkwell.example"},
    };
    for (const auto& [id, caption] : buttons) {
        EXPECT_EQ(TextOf(ChildById(window, id)), caption);
    }
    // No command has spoken yet: the status bar says what the list holds.
    EXPECT_EQ(ReadStatusText(statusBar), L"3 folders, 1 hidden");
}

TEST_F(MainWindowTest, HideAndShowTickedFoldersOnDisk) {
    for (const wchar_t* name : {L"One", L"Two", L"Three"}) {
        scratch.MakeFolder(name);
    }
    PrepareList({{Scratch(L"One"), "Visible"},
                 {Scratch(L"Two"), "Visible"},
                 {Scratch(L"Three"), "Visible"}});
    Start();
    SetRowChecked(list, 0, true);
    SetRowChecked(list, 2, true);

    Click(IDC_CMD_HIDE);
    ASSERT_TRUE(WaitForStatus(L"Made 2 folders Hidden"));
    EXPECT_EQ(scratch.Attributes(L"OneHIDDEN123456") & kHiddenAndSystem, kHiddenAndSystem);
    EXPECT_EQ(scratch.Attributes(L"ThreeHIDDEN123456") & kHiddenAndSystem, kHiddenAndSystem);
    EXPECT_TRUE(scratch.Exists(L"Two"));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"One"), "Hidden"},
                                                     {Scratch(L"Two"), "Visible"},
                                                     {Scratch(L"Three"), "Hidden"}}));
    EXPECT_EQ(programFolder.ReadFile(L"data.bak"), programFolder.ReadFile(L"data.dat"));

    Click(IDC_CMD_SHOW);
    ASSERT_TRUE(WaitForStatus(L"Made 2 folders Visible"));
    for (const wchar_t* name : {L"One", L"Two", L"Three"}) {
        EXPECT_EQ(scratch.Attributes(name), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    }
    EXPECT_EQ(SavedList()[0].status, "Visible");
    EXPECT_TRUE(ReadRows(list)[0].checked);  // ticks stay
}

TEST_F(MainWindowTest, FolderInUseIsReportedAndStaysVisible) {
    scratch.MakeFolder(L"Free");
    scratch.MakeFolder(L"Busy");
    PrepareList({{Scratch(L"Free"), "Visible"}, {Scratch(L"Busy"), "Visible"}});
    ChildProcess holder(L"hold", scratch.PathOf(L"Busy"));
    ::Sleep(300);
    Start();

    Menu(IDM_ACTION_ITEM + 4);  // Hide All Folders
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.title, L"Error");
    EXPECT_TRUE(box.skinned);  // the skin engine dresses the program's message boxes too
    EXPECT_EQ(box.text,
              L"Error: could not hide the following folder because it is currently in "
              L"use:\r\n\r\n" +
                  scratch.PathOf(L"Busy") +
                  L"\r\n\r\nClose any program that might be accessing files in this "
                  L"folder.  If the problem persists it could be a windows explorer "
                  L"error, which can be fixed by restarting your computer.");
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Hidden"));
    EXPECT_EQ(ReadRows(list), Rows({{Widen(Scratch(L"Free")), L"Hidden", true},
                                    {Widen(Scratch(L"Busy")), L"Visible", true}}));
    EXPECT_TRUE(scratch.Exists(L"Busy"));
}

TEST_F(MainWindowTest, RemoveAsksThenRemovesOnlyVisibleTickedEntries) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Hidden"}, {"C:\\c", "Visible"}});
    Start();
    SetRowChecked(list, 0, true);
    SetRowChecked(list, 1, true);

    Click(IDC_CMD_DEL);
    SeenBox box = AnswerMessageBox(Pid(), IDCANCEL);
    EXPECT_EQ(box.title, L"Really Delete?");
    EXPECT_EQ(box.text, L"Are you sure you want to remove all selected folders from the list?");
    EXPECT_TRUE(NoDialogWithin(Pid(), 300));
    EXPECT_EQ(ReadRows(list).size(), 3u);

    Click(IDC_CMD_DEL);
    AnswerMessageBox(Pid(), IDOK);
    ASSERT_TRUE(WaitForStatus(L"Removed 1 folders. Could not remove Hidden folders"));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{"C:\\b", "Hidden"}, {"C:\\c", "Visible"}}));

    // Remove all: two questions, and cancelling the second leaves everything ticked.
    Menu(IDM_FILE_ITEM + 2);
    box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.title, L"Confirm Delete");
    EXPECT_EQ(box.text, L"Really remove all folders?");
    box = AnswerMessageBox(Pid(), IDCANCEL);
    EXPECT_EQ(box.title, L"Really Delete?");
    EXPECT_EQ(ReadRows(list), Rows({{L"C:\\b", L"Hidden", true}, {L"C:\\c", L"Visible", true}}));
}

TEST_F(MainWindowTest, SelectAllAndDeselectAllOnlyTick) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Hidden"}});
    Start();
    const std::string before = programFolder.ReadFile(L"data.dat");
    Menu(IDM_ACTION_ITEM + 6);
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[1].checked; }));
    EXPECT_TRUE(ReadRows(list)[0].checked);
    Menu(IDM_ACTION_ITEM + 7);
    ASSERT_TRUE(
        WaitUntil([&] { return !ReadRows(list)[0].checked && !ReadRows(list)[1].checked; }));
    EXPECT_EQ(ReadStatusText(statusBar), L"2 folders, 1 hidden");  // no words of their own
    EXPECT_EQ(programFolder.ReadFile(L"data.dat"), before);
}

TEST_F(MainWindowTest, RightClickOffersTheOppositeRepairAndSavesIt) {
    PrepareList({{"C:\\a", "Hidden"}, {"C:\\b", "Visible"}});
    Start();

    for (int row : {0, 1}) {
        SelectRow(list, row);
        const RECT rect = RowRectOnScreen(list, row);
        XdoTool(L"mousemove " + std::to_wstring(rect.left + 60) + L" " +
                std::to_wstring((rect.top + rect.bottom) / 2) + L" click 3");
        // The menu ends with one repair, to the other word: Up from nothing lands on it.
        XdoTool(L"key Up Return");
    }
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[1].status == L"Hidden"; }));
    EXPECT_EQ(ReadRows(list), Rows({{L"C:\\a", L"Visible", false}, {L"C:\\b", L"Hidden", false}}));
    EXPECT_TRUE(WaitUntil([&] {
        return SavedList() == std::vector<StoredEntry>{{"C:\\a", "Visible"}, {"C:\\b", "Hidden"}};
    }));
}

TEST_F(MainWindowTest, SecondCopyEndsAtOnceAndTheFirstGoesOn) {
    PrepareList({{"C:\\a", "Visible"}});
    Start();

    ProgramRun second(programFolder);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(10000), 0);
    EXPECT_TRUE(NoDialogWithin(second.ProcessId(), 200));

    Menu(IDM_ACTION_ITEM + 6);
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[0].checked; }));
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored));
}

TEST_F(MainWindowTest, ResizingLaysTheListOut) {
    PrepareList({{"C:\\a", "Visible"}});
    Start();
    ::SetWindowPos(window, nullptr, 0, 0, 900, 640, SWP_NOMOVE | SWP_NOZORDER);
    RECT listRect{};
    ASSERT_TRUE(WaitUntil([&] {
        ::GetWindowRect(list, &listRect);
        return listRect.right - listRect.left == 900 - 16;  // window width - 240 twips
    }));
    POINT topLeft{listRect.left, listRect.top};
    ::ScreenToClient(window, &topLeft);
    EXPECT_EQ(topLeft.x, 4);    // 60 twips at 96 dots per inch
    EXPECT_EQ(topLeft.y, 136);  // below the button bar and the banner: 2040 twips
}

TEST_F(MainWindowTest, HeaderClicksSortAndFlipTheOrder) {
    PrepareList({{"C:\\b", "Visible"}, {"C:\\c", "Hidden"}, {"C:\\a", "Visible"}});
    Start();
    const HWND header =
        reinterpret_cast<HWND>(::SendMessageW(list, 0x101F /* LVM_GETHEADER */, 0, 0));
    RECT headerRect{};
    ::GetWindowRect(header, &headerRect);
    const std::wstring y = std::to_wstring((headerRect.top + headerRect.bottom) / 2);
    const std::wstring folderX = std::to_wstring(headerRect.left + 40);
    const std::wstring statusX = std::to_wstring(headerRect.right - 40);
    auto paths = [&] {
        std::wstring order;
        for (const auto& row : ReadRows(list)) {
            order += row.path.substr(3);
        }
        return order;
    };

    EXPECT_EQ(SortArrowOf(list, 0), 0);
    XdoTool(L"mousemove " + folderX + L" " + y + L" click 1");
    EXPECT_TRUE(WaitUntil([&] { return paths() == L"abc"; })) << paths();
    EXPECT_EQ(SortArrowOf(list, 0), 1);
    ::Sleep(600);  // two quick clicks would be a double click
    XdoTool(L"mousemove " + folderX + L" " + y + L" click 1");
    EXPECT_TRUE(WaitUntil([&] { return paths() == L"cba"; })) << paths();
    EXPECT_EQ(SortArrowOf(list, 0), -1);
    ::Sleep(600);
    XdoTool(L"mousemove " + statusX + L" " + y + L" click 1");
    EXPECT_TRUE(WaitUntil([&] { return ReadRows(list)[0].status == L"Hidden"; }));
    // The arrow moves to the column the list is sorted by.
    EXPECT_EQ(SortArrowOf(list, 0), 0);
    EXPECT_NE(SortArrowOf(list, 1), 0);

    // While sorted, the order is what gets saved.
    Click(IDC_CMD_DEL);
    AnswerMessageBox(Pid(), IDOK);
    ASSERT_TRUE(WaitForStatus(L"Removed 0 folders"));
    const auto saved = SavedList();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].status, "Hidden");
}

TEST_F(MainWindowTest, SpaceTicksTheFocusedRow) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}});
    Start();
    SelectRow(list, 1);
    const RECT row = RowRectOnScreen(list, 1);
    // Focus the list the way a person would, then tick with the keyboard.
    XdoTool(L"mousemove " + std::to_wstring(row.left + 80) + L" " +
            std::to_wstring((row.top + row.bottom) / 2) + L" click 1");
    XdoTool(L"key space");
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[1].checked; }));
    EXPECT_FALSE(ReadRows(list)[0].checked);
    XdoTool(L"key space");
    EXPECT_TRUE(WaitUntil([&] { return !ReadRows(list)[1].checked; }));
}

TEST_F(MainWindowTest, AboutOpensOneWindowWithTheProductInformation) {
    Start();
    Menu(IDM_ABOUT_ITEM);
    HWND about = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (about = FindVisibleWindow(Pid(), L"MurkwellAbout")) != nullptr; }));
    Menu(IDM_ABOUT_ITEM);  // the same window again, not a second one
    ::Sleep(300);
    int count = 0;
    for (HWND window = ::FindWindowExW(nullptr, nullptr, L"MurkwellAbout", nullptr); window;
         window = ::FindWindowExW(nullptr, window, L"MurkwellAbout", nullptr)) {
        ++count;
    }
    EXPECT_EQ(count, 1);
    EXPECT_EQ(TextOf(about), L"About Murkwell");
    const std::pair<int, const wchar_t*> labels[] = {
        {401, L"Murkwell"},
        {402, L"Version:"},
        {403, L"1.3"},
        {404, L"Owned By:"},
        {405, L"Kestrelby"},
        {406, L"Website:"},
        {407, L"www.murkwell.example"},
    };
    for (const auto& [id, text] : labels) {
        EXPECT_EQ(TextOf(::GetDlgItem(about, id)), text) << id;
    }
    // Closing the main window closes it too.
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(), 0);
}

TEST_F(MainWindowTest, WindowKeepsEveryButtonWholeAndComesBackAsItWasLeft) {
    Start();
    // Asked to be tiny, it stops at the size where the button bar is whole.
    ::SetWindowPos(window, nullptr, 100, 100, 120, 90, SWP_NOZORDER);
    ::Sleep(300);
    RECT client{};
    ::GetClientRect(window, &client);
    for (const int id :
         {IDC_CMD_ADD, IDC_CMD_DEL, IDC_CMD_HIDE, IDC_CMD_SHOW, IDC_CMD_OPTIONS, IDC_CMD_WEBSITE}) {
        RECT button{};
        ::GetWindowRect(ChildById(window, id), &button);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_LE(button.right, client.right) << id;
        EXPECT_LE(button.bottom, client.bottom) << id;
        EXPECT_GT(button.right - button.left, 0) << id;
    }

    ::SetWindowPos(window, nullptr, 120, 80, 800, 600, SWP_NOZORDER);
    RECT left{};
    ::GetWindowRect(window, &left);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(program->WaitForExit(), 0);
    program = std::make_unique<ProgramRun>(programFolder);  // the same settings, kept
    AttachToWindow();
    RECT back{};
    ::GetWindowRect(window, &back);
    EXPECT_EQ(back.left, left.left);
    EXPECT_EQ(back.top, left.top);
    EXPECT_EQ(back.right, left.right);
    EXPECT_EQ(back.bottom, left.bottom);

    ::ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(window) != FALSE; }));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(program->WaitForExit(), 0);
    program = std::make_unique<ProgramRun>(programFolder);
    AttachToWindow();
    EXPECT_TRUE(WaitUntil([&] { return ::IsZoomed(window) != FALSE; }));
}

TEST_F(MainWindowTest, AnEmptyListSaysWhereToStart) {
    PrepareList({{"C:\\a", "Visible"}});
    Start();
    RECT rows{};
    ::GetClientRect(list, &rows);
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rows), 2);
    const RECT header = [&] {
        RECT rect{};
        ::GetWindowRect(reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0)), &rect);
        return rect;
    }();
    // The middle of the upper half of the rows' area, below the first row: empty with a row.
    const int rowHeight = RowRectOnScreen(list, 0).bottom - RowRectOnScreen(list, 0).top;
    RECT hintBand{rows.left + 2, header.bottom + 2 * rowHeight, rows.right - 2,
                  header.bottom + (rows.bottom - header.bottom) / 2};
    constexpr int kGreyOnWhite = 48;  // the hint is grey text, fainter than a row's
    EXPECT_FALSE(InkIn(hintBand, kGreyOnWhite).found);

    SetRowChecked(list, 0, true);
    Click(IDC_CMD_DEL);
    AnswerMessageBox(Pid(), IDOK);
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list).empty(); }));
    ::Sleep(300);
    const InkBox hint = InkIn(hintBand, kGreyOnWhite);
    ASSERT_TRUE(hint.found) << "no hint in the empty list";
    EXPECT_TRUE(hint.InsideWithMargin(hintBand));
}
