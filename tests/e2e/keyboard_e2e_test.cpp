// The keys a Windows user reaches for, pressed for real on the main window and About.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "resources/resource_ids.h"
#include "shell/main_menu.h"
#include "tests/e2e/main_window_fixture.h"

namespace {

class KeyboardTest : public MainWindowTest {
protected:
    // Clicks a row's text, as a person does to put the keyboard in the list.
    void ClickRow(int index) {
        const RECT row = RowRectOnScreen(list, index);
        XdoTool(L"mousemove " + std::to_wstring(row.left + 80) + L" " +
                std::to_wstring((row.top + row.bottom) / 2) + L" click 1");
    }

    // The control that has the keyboard in the program's window thread.
    HWND FocusOf(HWND anyWindowOfTheThread) const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(anyWindowOfTheThread, nullptr), &info);
        return info.hwndFocus;
    }

    int FocusedRow() const {
        return static_cast<int>(
            ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }
};

}  // namespace

TEST_F(KeyboardTest, CtrlATicksEveryRowAndDeleteRemovesTheTicked) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}, {"C:\\c", "Hidden"}});
    Start();
    ClickRow(0);
    XdoTool(L"key ctrl+a");
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& row : ReadRows(list)) {
            if (!row.checked) {
                return false;
            }
        }
        return true;
    }));
    // Move the window away from the screen's middle: the question must come up over it.
    ::SetWindowPos(window, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::Sleep(200);
    XdoTool(L"key Delete");
    const SeenBox question = WaitForDialog(Pid());
    ASSERT_NE(question.box, nullptr);
    ::Sleep(200);
    RECT boxRect{};
    RECT windowRect{};
    ::GetWindowRect(question.box, &boxRect);
    ::GetWindowRect(window, &windowRect);
    // Within a few pixels: the skin's frame settles its size after the box is placed. Centred
    // on the screen instead, it would be some 270 pixels off.
    EXPECT_NEAR((boxRect.left + boxRect.right) / 2, (windowRect.left + windowRect.right) / 2, 4);
    EXPECT_NEAR((boxRect.top + boxRect.bottom) / 2, (windowRect.top + windowRect.bottom) / 2, 4);
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.title, L"Really Delete?");
    ASSERT_TRUE(WaitForStatus(L"Removed 2 folders. Could not remove Hidden folders"));
    EXPECT_EQ(ReadRows(list), (std::vector<RemoteRow>{{L"C:\\c", L"Hidden", true}}));
}

TEST_F(KeyboardTest, SpaceOnOneOfSeveralSelectedRowsTicksThemAll) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}, {"C:\\c", "Visible"}});
    Start();
    ClickRow(0);
    XdoTool(L"key shift+Down");  // rows 0 and 1 selected, the focus on row 1
    XdoTool(L"key space");
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[0].checked && ReadRows(list)[1].checked; }));
    EXPECT_FALSE(ReadRows(list)[2].checked);
    XdoTool(L"key space");
    EXPECT_TRUE(
        WaitUntil([&] { return !ReadRows(list)[0].checked && !ReadRows(list)[1].checked; }));
}

TEST_F(KeyboardTest, F1OpensTheHelpAndEscClosesAbout) {
    ASSERT_TRUE(::CopyFileW(
        (BuiltProgramPath().substr(0, BuiltProgramPath().rfind(L'\\')) + L"\\Help.chm").c_str(),
        programFolder.PathOf(L"Help.chm").c_str(), FALSE));
    Start();
    ClickToFocus(window);
    XdoTool(L"key F1");
    HWND viewer = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (viewer = ::FindWindowW(L"HH Parent", nullptr)) != nullptr; }));
    ASSERT_TRUE(CloseAndWait(viewer));

    Menu(IDM_ABOUT_ITEM);
    HWND about = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (about = FindVisibleWindow(Pid(), L"MurkwellAbout")) != nullptr; }));
    ClickToFocus(about);
    XdoTool(L"key Escape");
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(::IsWindow(window));  // only About closed
}

TEST_F(KeyboardTest, EnterOrDoubleClickOpensAVisibleFolderOnly) {
    scratch.MakeFolder(L"Letters");
    PrepareList({{Scratch(L"Letters"), "Visible"}, {Scratch(L"Gone"), "Hidden"}});
    Start();
    // A hidden entry opens nothing.
    ClickRow(1);
    XdoTool(L"key Return");
    ::Sleep(1000);
    EXPECT_EQ(::FindWindowW(nullptr, L"Letters"), nullptr);

    ClickRow(0);
    XdoTool(L"key Return");
    // The system's file manager, on the folder: its window is named after it.
    HWND explorer = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (explorer = ::FindWindowW(nullptr, L"Letters")) != nullptr; }, 20000));
    ::PostMessageW(explorer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(explorer); }));

    const RECT row = RowRectOnScreen(list, 0);
    XdoTool(L"mousemove " + std::to_wstring(row.left + 80) + L" " +
            std::to_wstring((row.top + row.bottom) / 2) + L" click --repeat 2 1");
    ASSERT_TRUE(WaitUntil(
        [&] { return (explorer = ::FindWindowW(nullptr, L"Letters")) != nullptr; }, 20000));
    ::PostMessageW(explorer, WM_CLOSE, 0, 0);
}

TEST_F(KeyboardTest, AboutClosesWithItsButtonAndItsWebsiteIsALink) {
    Start();
    Menu(IDM_ABOUT_ITEM);
    HWND about = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (about = FindVisibleWindow(Pid(), L"MurkwellAbout")) != nullptr; }));
    // Its website opens in the program's own browser.
    const RECT link = [&] {
        RECT rect{};
        ::GetWindowRect(::GetDlgItem(about, 407), &rect);
        return rect;
    }();
    XdoTool(L"mousemove " + std::to_wstring(link.left + 10) + L" " +
            std::to_wstring((link.top + link.bottom) / 2) + L" click 1");
    HWND browser = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (browser = FindVisibleWindow(Pid(), L"MurkwellBrowser")) != nullptr; }));
    ::PostMessageW(browser, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(browser); }));

    // And from the keyboard: Tab reaches it, Enter follows it.
    RECT frame{};
    ::GetWindowRect(about, &frame);  // its caption clicked: in front, the focus on Close
    XdoTool(L"mousemove " + std::to_wstring((frame.left + frame.right) / 2) + L" " +
            std::to_wstring(frame.top + 10) + L" click 1");
    const HWND linkWindow = ::GetDlgItem(about, 407);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == about; }));
    XdoTool(L"key Tab");
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(about) == linkWindow; }))
        << "focus on " << FocusOf(about);
    XdoTool(L"key Return");
    ASSERT_TRUE(WaitUntil(
        [&] { return (browser = FindVisibleWindow(Pid(), L"MurkwellBrowser")) != nullptr; }));
    EXPECT_TRUE(::IsWindow(about)) << "Enter on the link is not the Close button's";
    ::PostMessageW(browser, WM_CLOSE, 0, 0);

    const HWND close = ::GetDlgItem(about, 409);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(TextOf(close), L"Close");
    ::PostMessageW(close, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(::IsWindow(window));
}

TEST_F(KeyboardTest, DeleteWithNothingTickedRemovesTheHighlightedRows) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}, {"C:\\c", "Visible"}});
    Start();
    ClickRow(1);
    XdoTool(L"key shift+Down");  // b and c highlighted, nothing ticked
    XdoTool(L"key Delete");
    // What the key acts on shows as ticks before the question.
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.title, L"Really Delete?");
    ASSERT_TRUE(WaitForStatus(L"Removed 2 folders"));
    EXPECT_EQ(ReadRows(list), (std::vector<RemoteRow>{{L"C:\\a", L"Visible", false}}));
}

TEST_F(KeyboardTest, TheFocusIsOnAControlAtStartAndComesBackAfterEachInterruption) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}});
    Start();
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));
    EXPECT_EQ(FocusedRow(), 0) << "the first row shows where the arrows start";

    // A message box asked and answered.
    Menu(IDM_REMOVE_ALL);
    ASSERT_EQ(AnswerMessageBox(Pid(), IDCANCEL).title, L"Confirm Delete");
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));

    // A dialog opened from a button leaves the focus on that button when it closes.
    const HWND optionsButton = ChildById(window, IDC_CMD_OPTIONS);
    ClickToFocus(optionsButton);
    const SeenBox options = WaitForDialog(Pid());
    ASSERT_NE(options.box, nullptr);
    ::PostMessageW(options.box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == optionsButton; }))
        << "focus on " << FocusOf(window);

    // Another program in front (this test's own window), then this one again.
    ClickRow(1);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));
    {
        const OtherProgramWindow other;
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() != window; }));
        // Back by a click on the caption, which puts the focus nowhere by itself.
        RECT frame{};
        ::GetWindowRect(window, &frame);
        XdoTool(L"mousemove " + std::to_wstring((frame.left + frame.right) / 2) + L" " +
                std::to_wstring(frame.top + 12) + L" click 1");
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }));
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }))
            << "focus on " << FocusOf(window);
        EXPECT_EQ(FocusedRow(), 1);
    }
}

TEST_F(KeyboardTest, EnterInFindsLookInBoxLeavesTheKeysSomewhereUseful) {
    PrepareList({});
    Start();
    Menu(IDM_FILE_FIND);
    const SeenBox find = WaitForDialog(Pid());
    ASSERT_EQ(find.title, L"Find Hidden Folders");
    const HWND lookIn = ChildById(find.box, IDC_TXT_LOOK_IN);
    ::SendMessageW(lookIn, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(scratch.Path().c_str()));
    ClickToFocus(lookIn);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(find.box) == lookIn; }));
    XdoTool(L"key Return");
    const HWND progress = ChildById(find.box, IDC_LBL_SCAN_PROGRESS);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(progress).rfind(L"Finished: ", 0) == 0; }));
    const HWND focus = FocusOf(find.box);
    EXPECT_TRUE(focus && ::IsChild(find.box, focus) && ::IsWindowEnabled(focus))
        << "the focus went to " << focus;
    // And Esc gets out, back to the list.
    XdoTool(L"key Escape");
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(find.box); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));
}

TEST_F(KeyboardTest, TheRowMenuOpensFromTheKeyboardAndActsOnTheHighlightedRow) {
    scratch.MakeFolder(L"Diary");
    scratch.MakeFolder(L"Taxes");
    PrepareList({{Scratch(L"Diary"), "Visible"}, {Scratch(L"Taxes"), "Visible"}});
    Start();
    ClickRow(0);
    XdoTool(L"key shift+F10");
    ::Sleep(300);
    XdoTool(L"key h");  // &Hide: nothing is ticked, so the highlighted row
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Hidden"));
    EXPECT_TRUE(scratch.Exists(L"DiaryHIDDEN123456"));
    EXPECT_TRUE(scratch.Exists(L"Taxes"));
    // The tick it took for the command is given back.
    EXPECT_TRUE(WaitUntil([&] { return !ReadRows(list)[0].checked; }));

    // The Menu key on the other row; Remove asks first, as the button does.
    ClickRow(1);
    XdoTool(L"key Menu");
    ::Sleep(300);
    XdoTool(L"key r");
    const SeenBox box = AnswerMessageBox(Pid(), IDCANCEL);
    EXPECT_EQ(box.title, L"Really Delete?");
    EXPECT_TRUE(WaitUntil([&] { return !ReadRows(list)[1].checked; }));
    EXPECT_EQ(ReadRows(list),
              (std::vector<RemoteRow>{{scratch.PathOf(L"Diary"), L"Hidden", false},
                                      {scratch.PathOf(L"Taxes"), L"Visible", false}}));
}

TEST_F(KeyboardTest, CtrlZPutsBackWhatRemoveAllTookOutAndSavesIt) {
    const std::vector<StoredEntry> listed = {
        {"C:\\a", "Visible"}, {"C:\\b", "Hidden"}, {"C:\\c", "Visible"}};
    PrepareList(listed);
    Start();
    Menu(IDM_REMOVE_ALL);
    ASSERT_EQ(AnswerMessageBox(Pid(), IDOK).title, L"Confirm Delete");
    ASSERT_EQ(AnswerMessageBox(Pid(), IDOK).title, L"Really Delete?");
    ASSERT_TRUE(WaitForStatus(L"Removed 2 folders. Could not remove Hidden folders"));
    ASSERT_EQ(SavedList(), (std::vector<StoredEntry>{{"C:\\b", "Hidden"}}));

    ClickRow(0);
    XdoTool(L"key ctrl+z");
    ASSERT_TRUE(WaitForStatus(L"Put back 2 folders"));
    EXPECT_EQ(ReadRows(list), (std::vector<RemoteRow>{{L"C:\\a", L"Visible", false},
                                                      {L"C:\\b", L"Hidden", false},
                                                      {L"C:\\c", L"Visible", false}}));
    EXPECT_EQ(SavedList(), listed);
    // Once: a second Ctrl+Z has nothing left to put back.
    XdoTool(L"key ctrl+z");
    ::Sleep(300);
    EXPECT_EQ(ReadRows(list).size(), 3u);
}

TEST_F(KeyboardTest, TabWalksTheListAndTheButtonsAndBack) {
    PrepareList({{"C:\\a", "Visible"}});
    Start();
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == list; }));
    // Each press waits for the focus to move: at start the window is busy a while starting the
    // banner's web control, and keys wait for it.
    const auto press = [&](const wchar_t* keys) {
        const HWND before = FocusOf(window);
        XdoTool(keys);
        WaitUntil([&] { return FocusOf(window) != before; });
        return FocusOf(window);
    };
    std::vector<HWND> visited;
    for (int i = 0; i < 7; ++i) {
        visited.push_back(press(L"key Tab"));
    }
    // Every button of the bar in order, then the list again.
    std::vector<HWND> expected;
    for (const int id :
         {IDC_CMD_ADD, IDC_CMD_DEL, IDC_CMD_HIDE, IDC_CMD_SHOW, IDC_CMD_OPTIONS, IDC_CMD_WEBSITE}) {
        expected.push_back(ChildById(window, id));
    }
    expected.push_back(list);
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(press(L"key shift+Tab"), ChildById(window, IDC_CMD_WEBSITE));
}
