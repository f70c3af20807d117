// The global hotkeys and stealth mode, pressed for real on the virtual display.

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/e2e/settings_fixture.h"
#include "tests/win/child_process.h"

namespace {

constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class HotkeyTest : public StartupSettingsTest {
protected:
    // The program's window has the keyboard, as after a click on it, then the keys go.
    void Press(const wchar_t* keys) {
        if (window && ::IsWindowVisible(window) && !::IsIconic(window)) {
            ClickToFocus(window);
        }
        XdoTool(std::wstring(L"key ") + keys);
    }
    void PrepareTwoFolders() {
        scratch.MakeFolder(L"One");
        scratch.MakeFolder(L"Two");
        PrepareList({{Scratch(L"One"), "Visible"}, {Scratch(L"Two"), "Visible"}});
    }
    bool BothHidden() {
        return scratch.Exists(L"OneHIDDEN123456") && scratch.Exists(L"TwoHIDDEN123456");
    }
    bool BothVisible() { return scratch.Exists(L"One") && scratch.Exists(L"Two"); }
};

// In stealth, H starts Hide All over many folders; M pressed while it works brings the window
// back at once, and a second H waits for the first to end instead of being lost.
TEST_F(HotkeyTest, MPressedDuringAHotkeyHideAllBringsTheWindowBack) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKeyPath, L"chkStealth", L"1");
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyHide", L"1");
    constexpr int kFolders = 3000;
    PrepareManyFolders(kFolders);
    Launch();
    ASSERT_TRUE(WaitUntil([&] { return WindowsOf(Pid()).main != nullptr; }));
    window = WindowsOf(Pid()).main;
    ::Sleep(300);
    ASSERT_FALSE(::IsWindowVisible(window));

    OtherProgramWindow elsewhere;
    Press(L"ctrl+shift+alt+h");
    ASSERT_TRUE(WaitUntil([&] { return scratch.Exists(L"Folder 0HIDDEN123456"); }, 20000));
    Press(L"ctrl+shift+alt+m");
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5000));
    // Still at work when the window came back: the press was taken during the command.
    EXPECT_FALSE(scratch.Exists(L"Folder " + std::to_wstring(kFolders - 1) + L"HIDDEN123456"));
    statusBar = ChildById(window, IDC_STATUS_BAR);
    const std::wstring made = L"Made " + std::to_wstring(kFolders) + L" folders Hidden";
    EXPECT_TRUE(WaitUntil([&] { return ReadStatusText(statusBar) == made; }, 60000))
        << Narrow(ReadStatusText(statusBar));

    // H again, then M: the window stays, and the second Hide All finds nothing left to hide.
    Press(L"ctrl+shift+alt+h");
    EXPECT_TRUE(WaitUntil([&] { return ReadStatusText(statusBar) == L"Made 0 folders Hidden"; }))
        << Narrow(ReadStatusText(statusBar));
}

// A start in stealth mode beside an emptied list and its full backup asks nothing while it is
// invisible: the backup is loaded, and the user is told once M brings the window back.
TEST_F(HotkeyTest, AStealthStartAsksNothingAndTellsWhenTheWindowComesBack) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKeyPath, L"chkStealth", L"1");
    PrepareTwoFolders();
    ASSERT_TRUE(::MoveFileW(programFolder.PathOf(L"data.dat").c_str(),
                            programFolder.PathOf(L"data.bak").c_str()));
    programFolder.WriteFile(L"data.dat", "");
    Launch();
    ASSERT_TRUE(WaitUntil([&] { return WindowsOf(Pid()).main != nullptr; }));
    EXPECT_TRUE(NoDialogWithin(Pid(), 1000));
    EXPECT_FALSE(WindowsOf(Pid()).anyVisible);

    OtherProgramWindow elsewhere;
    Press(L"ctrl+shift+alt+m");
    const SeenBox told = AnswerMessageBox(Pid(), IDOK);
    EXPECT_NE(told.text.find(L"its backup copy lists 2 folders"), std::wstring::npos)
        << Narrow(told.text);
    EXPECT_NE(told.text.find(L"Murkwell started in stealth mode, so this was answered Yes."),
              std::wstring::npos)
        << Narrow(told.text);
    window = program->WaitForWindow(kMainWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadRows(ChildById(window, IDC_LST_FOLDERS)).size(), 2u);
    EXPECT_EQ(SavedList().size(), 2u);  // data.dat written again from the backup
}

}  // namespace

TEST_F(HotkeyTest, FreshInstallationOnlyAnswersM) {
    PrepareTwoFolders();
    Start();
    Press(L"ctrl+shift+alt+h");
    Press(L"ctrl+shift+alt+s");
    EXPECT_TRUE(NoDialogWithin(Pid(), 300));
    EXPECT_TRUE(BothVisible());
    EXPECT_EQ(ReadStatusText(statusBar), L"2 folders, 0 hidden");  // the idle totals

    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }));
    Press(L"ctrl+shift+alt+m");
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(window) && ::IsWindowVisible(window); }));
}

TEST_F(HotkeyTest, HideAllHotkeyWithExactModifiersOnly) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyHide", L"1");
    PrepareTwoFolders();
    Start();
    for (const wchar_t* wrong : {L"ctrl+alt+h", L"ctrl+shift+alt+super+h", L"ctrl+shift+h"}) {
        Press(wrong);
    }
    ::Sleep(300);
    EXPECT_TRUE(BothVisible());

    Press(L"ctrl+shift+alt+h");
    ASSERT_TRUE(WaitForStatus(L"Made 2 folders Hidden"));
    EXPECT_TRUE(BothHidden());
    EXPECT_EQ(scratch.Attributes(L"OneHIDDEN123456") & kHiddenAndSystem, kHiddenAndSystem);
    EXPECT_EQ(SavedList()[1].status, "Hidden");

    // Show All is still off: S does nothing, until the option is switched on.
    Press(L"ctrl+shift+alt+s");
    ::Sleep(300);
    EXPECT_TRUE(BothHidden());
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyShow", L"1");
    Press(L"ctrl+shift+alt+s");
    ASSERT_TRUE(WaitForStatus(L"Made 2 folders Visible"));
    EXPECT_TRUE(BothVisible());
}

TEST_F(HotkeyTest, GuardedHotkeysWaitForThePasswordAndTheLatestRequestWins) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyHide", L"1");
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyShow", L"1");
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassHotkey", L"1");
    SetPassword("pw");
    scratch.MakeFolder(L"OneHIDDEN123456");
    scratch.MakeFolder(L"Two");
    PrepareList({{Scratch(L"One"), "Hidden"}, {Scratch(L"Two"), "Visible"}});
    Start();

    Press(L"ctrl+shift+alt+h");
    const SeenBox prompt = WaitForDialog(Pid());
    ASSERT_NE(prompt.box, nullptr);
    EXPECT_EQ(prompt.title, L"Password Required");
    Press(L"ctrl+shift+alt+s");
    ::Sleep(300);
    EXPECT_TRUE(NoDialogWithin(Pid(), 200, prompt.box));  // still one prompt
    EXPECT_TRUE(scratch.Exists(L"Two"));                  // nothing done yet

    ::SendMessageW(::GetDlgItem(prompt.box, IDC_TXT_PASS), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"pw"));
    ::PostMessageW(prompt.box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Visible"));  // show-all only
    EXPECT_TRUE(BothVisible());
}

TEST_F(HotkeyTest, GuardWithoutTheHotkeyDoesNothing) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassHotkey", L"1");
    PrepareTwoFolders();
    Start();
    Press(L"ctrl+shift+alt+h");
    EXPECT_TRUE(NoDialogWithin(Pid(), 500));
    EXPECT_TRUE(BothVisible());
}

TEST_F(HotkeyTest, StealthStartComesBackWithM) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKeyPath, L"chkStealth", L"1");
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassStealth", L"1");
    SetPassword("back");
    Launch();
    ASSERT_TRUE(WaitUntil([&] { return WindowsOf(Pid()).main != nullptr; }));
    ::Sleep(300);
    EXPECT_FALSE(WindowsOf(Pid()).anyVisible);

    OtherProgramWindow elsewhere;  // the user is in another program
    Press(L"ctrl+shift+alt+m");
    const SeenBox prompt = WaitForDialog(Pid());
    ASSERT_NE(prompt.box, nullptr);
    EXPECT_EQ(WindowsOf(Pid()).anyVisible, true);  // the prompt alone
    ::SendMessageW(::GetDlgItem(prompt.box, IDC_TXT_PASS), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"back"));
    ::PostMessageW(prompt.box, WM_COMMAND, IDOK, 0);
    window = program->WaitForWindow(kMainWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"Murkwell by Kestrelby");
}

TEST_F(HotkeyTest, MinimisingIntoStealthAndBackInNormalState) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkStealthMin", L"1");
    Start();
    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }));
    {
        OtherProgramWindow elsewhere;
        Press(L"ctrl+shift+alt+m");
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    }
    EXPECT_FALSE(::IsIconic(window));

    // Once back, message boxes carry the application title again.
    Click(IDC_CMD_OPTIONS);
    const SeenBox options = WaitForDialog(Pid());
    ASSERT_NE(options.box, nullptr);
    ::SendMessageW(::GetDlgItem(options.box, IDC_TXT_PASS1), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"a"));
    ::PostMessageW(options.box, WM_COMMAND, IDOK, 0);
    const SeenBox refusal = AnswerMessageBox(Pid(), IDOK, options.box);
    EXPECT_EQ(refusal.text, L"Your passwords do not match.  Please reenter your password.");
    EXPECT_EQ(refusal.title, L"Murkwell Demo");
}

TEST_F(HotkeyTest, StealthIsRefusedWhileAnotherProgramHoldsM) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKeyPath, L"chkStealth", L"1");
    ChildProcess holder(L"hold-hotkey-m", L"-");
    ::Sleep(500);
    ASSERT_TRUE(holder.Running());
    Launch();
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_NE(box.text.find(L"CTRL + SHIFT + ALT + M is already used by another program"),
              std::wstring::npos);
    window = program->WaitForWindow(kMainWindowClass);
    EXPECT_NE(window, nullptr);  // shown, not hidden
}

TEST_F(HotkeyTest, SecondCopyLeavesTheFirstCopysHotkeysWorking) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkHotkeyHide", L"1");
    PrepareTwoFolders();
    Start();
    ProgramRun second(programFolder);
    EXPECT_EQ(second.WaitForExit(10000), 0);
    Press(L"ctrl+shift+alt+h");
    ASSERT_TRUE(WaitForStatus(L"Made 2 folders Hidden"));
    EXPECT_TRUE(BothHidden());
}
