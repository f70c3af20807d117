// The keys a Windows user reaches for, pressed for real on the main window and About.

#include <gtest/gtest.h>

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

    const HWND close = ::GetDlgItem(about, 409);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(TextOf(close), L"Close");
    ::PostMessageW(close, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(::IsWindow(window));
}
