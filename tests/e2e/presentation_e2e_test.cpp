// The look of the real program and its browser window: every window wears the skin, the
// website button opens one browser window, and a browser left open outlives the main window.

#include <gtest/gtest.h>

#include "present/about_window_win.h"
#include "present/browser_window_win.h"
#include "shell/main_menu.h"
#include "tests/e2e/main_window_fixture.h"

namespace {

int CountWindows(DWORD processId, const wchar_t* className) {
    int count = 0;
    for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, className, nullptr));) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        count += owner == processId && ::IsWindowVisible(window);
    }
    return count;
}

}  // namespace

TEST_F(MainWindowTest, EveryWindowWearsTheSkin) {
    Start();
    EXPECT_TRUE(HasSkinFrameRemote(window));
    Click(IDC_CMD_OPTIONS);
    const SeenBox options = WaitForDialog(Pid());
    EXPECT_EQ(options.title, L"Options");
    EXPECT_TRUE(options.skinned);
    ::PostMessageW(options.box, WM_COMMAND, IDCANCEL, 0);
    Menu(IDM_ABOUT_ITEM);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindVisibleWindow(Pid(), kAboutWindowClass)); }));
    EXPECT_TRUE(HasSkinFrameRemote(about));
    // Its four plain labels are covered by skin labels with the same words.
    int covered = 0;
    for (HWND child = ::GetWindow(about, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        const std::wstring text = TextOf(child);
        if (std::wstring(name) == L"MurkwellSkinLabel" &&
            (text == L"Version:" || text == L"Owned By:" || text == L"Website:" ||
             text.find(L"is owned by Kestrelby") != std::wstring::npos)) {
            ++covered;
        }
    }
    EXPECT_EQ(covered, 4);
}

TEST_F(MainWindowTest, WebsiteButtonOpensOneBrowserWindowOnTheWebsite) {
    Start();
    Click(IDC_CMD_WEBSITE);
    HWND browser = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (browser = FindVisibleWindow(Pid(), kBrowserWindowClass)); }));
    EXPECT_TRUE(HasSkinFrameRemote(browser));
    EXPECT_TRUE(::IsZoomed(browser));
    // The download of the website completes: the address box shows where the view settled.
    const HWND address = ChildById(browser, IDC_TXT_ADDRESS);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(address) == L"http://www.murkwell.example/"; }))
        << TextOf(address).size();
    // The URL: label is covered by a skin label.
    bool urlCovered = false;
    for (HWND child = ::GetWindow(browser, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        urlCovered |= std::wstring(name) == L"MurkwellSkinLabel" && TextOf(child) == L"URL:";
    }
    EXPECT_TRUE(urlCovered);

    // Again: the same window comes forward, still on its page.
    ::SetWindowTextW(address, L"typed but not gone to");
    Click(IDC_CMD_WEBSITE);
    ::Sleep(500);
    EXPECT_EQ(CountWindows(Pid(), kBrowserWindowClass), 1);
    EXPECT_EQ(TextOf(address), L"typed but not gone to");
}

TEST_F(MainWindowTest, BrowserLeftOpenEndsTheProgramWhenItCloses) {
    Start();
    Click(IDC_CMD_WEBSITE);
    HWND browser = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (browser = FindVisibleWindow(Pid(), kBrowserWindowClass)); }));

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(window); }));
    EXPECT_EQ(program->WaitForExit(1500), -1);  // still running, for the browser
    EXPECT_TRUE(::IsWindowVisible(browser));

    ::PostMessageW(browser, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(10000), 0);
}

TEST_F(MainWindowTest, BrowserClosedFirstLeavesTheProgramRunning) {
    Start();
    Click(IDC_CMD_WEBSITE);
    HWND browser = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (browser = FindVisibleWindow(Pid(), kBrowserWindowClass)); }));
    ::PostMessageW(browser, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(browser); }));
    EXPECT_EQ(program->WaitForExit(1500), -1);
    EXPECT_TRUE(::IsWindowVisible(window));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(10000), 0);
}

namespace {

// The height of the popup menu the program shows now, or 0. (Menus themselves cannot be read
// from another process.)
int OpenPopupHeight(DWORD processId) {
    for (HWND popup = nullptr; (popup = ::FindWindowExW(nullptr, popup, L"#32768", nullptr));) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(popup, &owner);
        RECT rect{};
        if (owner == processId && ::IsWindowVisible(popup) && ::GetWindowRect(popup, &rect)) {
            return rect.bottom - rect.top;
        }
    }
    return 0;
}

}  // namespace

TEST_F(MainWindowTest, MenuBarWorksFromTheKeyboard) {
    Start();
    ClickToFocus(window);
    XdoTool(L"key alt+a");  // Action, with eight lines
    int actionHeight = 0;
    ASSERT_TRUE(WaitUntil([&] { return (actionHeight = OpenPopupHeight(Pid())) > 0; }));
    XdoTool(L"key Right");  // on to Options, which holds one item: a shorter menu
    ASSERT_TRUE(WaitUntil([&] {
        const int height = OpenPopupHeight(Pid());
        return height > 0 && height < actionHeight;
    }));
    XdoTool(L"key Return");  // its one item, View Options
    const SeenBox options = WaitForDialog(Pid());
    EXPECT_EQ(options.title, L"Options");
    ::PostMessageW(options.box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainWindowTest, F10AndAltOpenTheMenuAndUnmarkedItemsAnswerToALetter) {
    PrepareList({{"C:\\a", "Visible"}, {"C:\\b", "Visible"}});
    Start();
    ClickToFocus(list);
    XdoTool(L"key F10");  // the File menu
    ASSERT_TRUE(WaitUntil([&] { return OpenPopupHeight(Pid()) > 0; }));
    XdoTool(L"key Escape");
    ASSERT_TRUE(WaitUntil([&] { return OpenPopupHeight(Pid()) == 0; }));

    XdoTool(L"key alt");  // Alt alone, pressed and let go
    ASSERT_TRUE(WaitUntil([&] { return OpenPopupHeight(Pid()) > 0; }));
    XdoTool(L"key Right");  // Action
    ::Sleep(300);
    XdoTool(L"key e");  // Select All: its S is Show's, so E
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[0].checked && ReadRows(list)[1].checked; }));

    XdoTool(L"key F10");
    ASSERT_TRUE(WaitUntil([&] { return OpenPopupHeight(Pid()) > 0; }));
    XdoTool(L"key x");  // Exit, as in E&xit
    EXPECT_EQ(program->WaitForExit(), 0);
    window = nullptr;
}
