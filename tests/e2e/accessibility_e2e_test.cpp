// What a screen reader finds in the real program's windows. Wine's oleacc gives no names, so
// each control's name is worked out by the rule the system's accessibility layer follows: a
// button is named by its text; a box or a list by the label just before it among the visible
// windows (a label being a static control, or a window that says it is one when asked).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "present/about_window_win.h"
#include "present/browser_window_win.h"
#include "resources/resource_ids.h"
#include "shell/main_menu.h"
#include "tests/e2e/settings_fixture.h"

namespace {

constexpr LRESULT kStaticClassIndex = 65536 + 3;  // a static's answer to OBJID_QUERYCLASSNAMEIDX

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring WithoutAccessKeyMarks(std::wstring text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

bool IsLabel(HWND window) {
    if (::lstrcmpiW(ClassOf(window).c_str(), L"Static") == 0) {
        return true;
    }
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(window, WM_GETOBJECT, 0,
                                 static_cast<LPARAM>(static_cast<LONG>(OBJID_QUERYCLASSNAMEIDX)),
                                 SMTO_ABORTIFHUNG, 2000, &answer) &&
           static_cast<LRESULT>(answer) == kStaticClassIndex;
}

enum class Kind { Button, Box, List, Other };

Kind KindOf(HWND control) {
    const std::wstring name = ClassOf(control);
    if (::lstrcmpiW(name.c_str(), L"Button") == 0) {
        const LONG type = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        return type == BS_GROUPBOX ? Kind::Other : Kind::Button;
    }
    if (::lstrcmpiW(name.c_str(), L"Edit") == 0) {
        return Kind::Box;
    }
    if (::lstrcmpiW(name.c_str(), L"SysListView32") == 0) {
        return Kind::List;
    }
    return Kind::Other;
}

// The name the accessibility layer gives the control, by the rule above.
std::wstring NameByRule(HWND control) {
    if (KindOf(control) == Kind::Button) {
        return WithoutAccessKeyMarks(TextOf(control));
    }
    for (HWND before = ::GetWindow(control, GW_HWNDPREV); before;
         before = ::GetWindow(before, GW_HWNDPREV)) {
        if (!::IsWindowVisible(before)) {
            continue;
        }
        return IsLabel(before) ? WithoutAccessKeyMarks(TextOf(before)) : std::wstring();
    }
    return {};
}

// Every visible button, box and list of the window (its own children, not those of a web page),
// each with its name; a line for each one without.
std::string UnnamedControls(HWND window, const char* windowName, int* checked) {
    std::ostringstream unnamed;
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child) || KindOf(child) == Kind::Other) {
            continue;
        }
        ++*checked;
        if (NameByRule(child).empty()) {
            unnamed << windowName << ": the "
                    << (KindOf(child) == Kind::Button ? "button" : "control") << " with id "
                    << ::GetDlgCtrlID(child) << " (class " << Narrow(ClassOf(child))
                    << ") has no name\n";
        }
    }
    return unnamed.str();
}

}  // namespace

TEST_F(MainWindowTest, EveryButtonBoxAndListHasANameForAScreenReader) {
    PrepareList({{"C:\\a", "Visible"}});
    Start();
    std::string unnamed;
    int checked = 0;
    unnamed += UnnamedControls(window, "main window", &checked);

    Click(IDC_CMD_OPTIONS);
    const SeenBox options = WaitForDialog(Pid());
    ASSERT_EQ(options.title, L"Options");
    unnamed += UnnamedControls(options.box, "Options", &checked);
    // The names are the words the user sees beside each.
    EXPECT_EQ(NameByRule(list), L"Folders");
    EXPECT_EQ(NameByRule(::GetDlgItem(options.box, IDC_TXT_PASS1)), L"Enter Password:");
    EXPECT_EQ(NameByRule(::GetDlgItem(options.box, IDC_TXT_PASS2)), L"Confirm Password:");
    ::PostMessageW(options.box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(options.box); }));

    Menu(IDM_FILE_FIND);
    const SeenBox find = WaitForDialog(Pid());
    ASSERT_EQ(find.title, L"Find Hidden Folders");
    unnamed += UnnamedControls(find.box, "Find Hidden Folders", &checked);
    EXPECT_EQ(NameByRule(::GetDlgItem(find.box, IDC_TXT_LOOK_IN)), L"Look in:");
    EXPECT_EQ(NameByRule(::GetDlgItem(find.box, IDC_LST_FOUND)), L"Hidden folders found:");
    ::PostMessageW(find.box, WM_COMMAND, IDC_CMD_CLOSE_FIND, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(find.box); }));

    Menu(IDM_ABOUT_ITEM);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindVisibleWindow(Pid(), kAboutWindowClass)); }));
    unnamed += UnnamedControls(about, "About", &checked);
    // Nothing a screen reader meets lies outside what the user sees, and no caption is met
    // twice.
    RECT client{};
    ::GetClientRect(about, &client);
    std::vector<std::wstring> captions;
    for (HWND child = ::GetWindow(about, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) {
            continue;
        }
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_LE(place.bottom, client.bottom) << Narrow(TextOf(child)) << " is out of sight";
        const std::wstring caption = TextOf(child);
        EXPECT_EQ(std::count(captions.begin(), captions.end(), caption), 0)
            << Narrow(caption) << " is there twice";
        captions.push_back(caption);
    }
    ::PostMessageW(about, WM_CLOSE, 0, 0);

    Click(IDC_CMD_WEBSITE);
    HWND browser = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (browser = FindVisibleWindow(Pid(), kBrowserWindowClass)); }));
    unnamed += UnnamedControls(browser, "browser", &checked);
    EXPECT_EQ(NameByRule(::GetDlgItem(browser, IDC_TXT_ADDRESS)), L"URL:");
    ::PostMessageW(browser, WM_CLOSE, 0, 0);

    // A message box: Remove All asks first.
    Menu(IDM_REMOVE_ALL);
    const SeenBox question = WaitForDialog(Pid());
    ASSERT_EQ(question.title, L"Confirm Delete");
    unnamed += UnnamedControls(question.box, "a message box", &checked);
    ::PostMessageW(question.box, WM_COMMAND, IDCANCEL, 0);

    EXPECT_GE(checked, 25);  // the windows' controls were there to be looked at
    EXPECT_EQ(unnamed, "");
}

TEST_F(StartupSettingsTest, ThePasswordBoxIsNamedByItsLabel) {
    const SeenBox prompt = LaunchBehindPassword("Open sesame");
    ASSERT_NE(prompt.box, nullptr);
    EXPECT_EQ(NameByRule(::GetDlgItem(prompt.box, IDC_TXT_PASS)), L"Please Enter Your Password:");
    int checked = 0;
    EXPECT_EQ(UnnamedControls(prompt.box, "the password prompt", &checked), "");
    EXPECT_EQ(checked, 3);  // the box, Ok and Cancel
    ::PostMessageW(prompt.box, WM_COMMAND, IDCANCEL, 0);
}
