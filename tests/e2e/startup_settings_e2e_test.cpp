// Starting the real program under each combination of the start-up settings, and the options
// dialog's round trip through the registry.

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/e2e/settings_fixture.h"

TEST_F(StartupSettingsTest, StealthWithPasswordShowsNothingAtAll) {
    SetString(HKEY_LOCAL_MACHINE, kMachineKeyPath, L"chkStealth", L"1");
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassword", L"1");
    Launch();
    // The main window is made after the pause, hidden; nothing is ever shown.
    ASSERT_TRUE(WaitUntil([&] { return WindowsOf(Pid()).main != nullptr; }));
    ::Sleep(500);
    EXPECT_FALSE(WindowsOf(Pid()).anyVisible);
    EXPECT_TRUE(NoDialogWithin(Pid(), 200));
}

TEST_F(StartupSettingsTest, PasswordAloneGuardsTheStart) {
    const SeenBox prompt = LaunchBehindPassword("Open sesame");
    ASSERT_NE(prompt.box, nullptr);
    EXPECT_EQ(prompt.title, L"Password Required");
    // Asked for by the start-up window in the middle of the screen, it comes up there too.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT promptRect{};
    ::GetWindowRect(prompt.box, &promptRect);
    EXPECT_NEAR((promptRect.left + promptRect.right) / 2, (work.left + work.right) / 2, 4);
    EXPECT_NEAR((promptRect.top + promptRect.bottom) / 2, (work.top + work.bottom) / 2, 4);
    ::Sleep(400);  // well past the pause: still no main window, and the start-up window hidden
    TopWindows windows = WindowsOf(Pid());
    EXPECT_EQ(windows.main, nullptr);
    ASSERT_NE(windows.splash, nullptr);
    EXPECT_FALSE(::IsWindowVisible(windows.splash));

    for (const wchar_t* wrong : {L"open sesame", L"", L"Open sesame "}) {
        TypeIntoPrompt(prompt.box, wrong);
        ::PostMessageW(prompt.box, WM_COMMAND, IDOK, 0);
        const SeenBox refusal = AnswerMessageBox(Pid(), IDOK, prompt.box);
        EXPECT_EQ(refusal.title, L"Murkwell Demo");
        EXPECT_EQ(refusal.text, L"That password was incorrect.  Please try again.");
        EXPECT_TRUE(refusal.skinned) << "the refusal wears the skin, as every other box does";
        EXPECT_EQ(TextOf(::GetDlgItem(prompt.box, IDC_TXT_PASS)), L"");
    }
    EXPECT_EQ(WindowsOf(Pid()).main, nullptr);

    TypeIntoPrompt(prompt.box, L"Open sesame");
    ClickToFocus(prompt.box);
    XdoTool(L"key Return");  // Enter acts as Ok
    window = program->WaitForWindow(kMainWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(::IsWindow(prompt.box));
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings", L"txtPassword"), "REG_SZ");
}

TEST_F(StartupSettingsTest, CancelAtThePromptEndsTheProgram) {
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassword", L"1");
    Launch();
    const SeenBox prompt = WaitForDialog(Pid());
    ASSERT_NE(prompt.box, nullptr);
    ::PostMessageW(prompt.box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program->WaitForExit(5000), 0);
}

TEST_F(StartupSettingsTest, CopyWaitingAtItsPromptIsTheOneThatRuns) {
    const SeenBox prompt = LaunchBehindPassword("Open sesame");
    ASSERT_NE(prompt.box, nullptr);

    // A second copy started now ends at once, and the first is still there at its prompt.
    ProgramRun second(programFolder);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(10000), 0);
    EXPECT_TRUE(::IsWindowVisible(prompt.box));
    EXPECT_EQ(FindVisibleWindow(second.ProcessId(), kMainWindowClass), nullptr);

    TypeIntoPrompt(prompt.box, L"Open sesame");
    ::PostMessageW(prompt.box, WM_COMMAND, IDOK, 0);
    window = program->WaitForWindow(kMainWindowClass);
    EXPECT_NE(window, nullptr);
}

TEST_F(StartupSettingsTest, NormalStartShowsTheStartupWindowBeforeTheMainWindow) {
    Launch();
    HWND splash = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const TopWindows windows = WindowsOf(Pid());
        splash = windows.splash && ::IsWindowVisible(windows.splash) ? windows.splash : nullptr;
        return splash != nullptr || windows.main != nullptr;
    }));
    ASSERT_NE(splash, nullptr) << "the main window came before the start-up window";
    EXPECT_EQ(WindowsOf(Pid()).main, nullptr);
    window = program->WaitForWindow(kMainWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(splash); }));
    EXPECT_TRUE(::IsWindow(splash));  // hidden, not gone: it lives as long as the program
}

TEST_F(StartupSettingsTest, DamagedStealthValueIsReportedAndTheStartGoesOn) {
    HKEY key = nullptr;
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMachineKeyPath, 0, nullptr, 0,
                      KEY_SET_VALUE | kProgramView, nullptr, &key, nullptr);
    const DWORD one = 1;
    ::RegSetValueExW(key, L"chkStealth", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                     sizeof(one));
    ::RegCloseKey(key);
    Launch();
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_NE(box.text.find(L"Registry data not a string (&H800407D4)"), std::wstring::npos)
        << Narrow(box.text);
    window = program->WaitForWindow(kMainWindowClass);
    EXPECT_NE(window, nullptr);
}

TEST_F(StartupSettingsTest, OptionsAreSavedByOkAndShownAgain) {
    Start();
    Click(IDC_CMD_OPTIONS);
    SeenBox options = WaitForDialog(Pid());
    ASSERT_NE(options.box, nullptr);
    EXPECT_EQ(options.title, L"Options");
    auto click = [&](int id) { ::PostMessageW(::GetDlgItem(options.box, id), BM_CLICK, 0, 0); };
    auto checked = [&](int id) {
        return ::SendMessageW(::GetDlgItem(options.box, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };

    click(IDC_CHK_STEALTH_MIN);  // the stealth warning, accepted
    SeenBox warning = AnswerMessageBox(Pid(), IDOK, options.box);
    EXPECT_EQ(warning.title, L"WARNING");
    EXPECT_NE(warning.text.find(programFolder.Path()), std::wstring::npos);
    click(IDC_CHK_STEALTH);  // accepted once: no second warning
    click(IDC_CHK_HOTKEY_HIDE);
    click(IDC_CHK_STARTUP);
    ASSERT_TRUE(WaitUntil([&] { return checked(IDC_CHK_STARTUP); }));
    EXPECT_TRUE(NoDialogWithin(Pid(), 300, options.box));
    const std::wstring password = L"Tr\u00e8s secret";
    for (const int id : {IDC_TXT_PASS1, IDC_TXT_PASS2}) {
        ::SendMessageW(::GetDlgItem(options.box, id), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(password.c_str()));
    }
    ::PostMessageW(options.box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(options.box); }));

    const std::wstring user = L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings";
    EXPECT_EQ(RegQuery(user, L"chkStealthMin"), "REG_SZ 1");
    EXPECT_EQ(RegQuery(user, L"chkHotkeyHide"), "REG_SZ 1");
    EXPECT_EQ(RegQuery(user, L"chkHotkeyShow"), "REG_SZ 0");
    EXPECT_EQ(RegQuery(user, L"chkStartup"), "REG_SZ 1");
    EXPECT_EQ(RegQuery(user, L"stealthWarning"), "REG_SZ 1");
    EXPECT_EQ(RegQuery(L"HKLM\\SOFTWARE\\Kestrelby\\Murkwell\\Settings", L"chkStealth"),
              "REG_SZ 1");
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Murkwell"),
              "REG_SZ \"" + Narrow(programFolder.PathOf(L"Murkwell.exe")) + "\"");
    const std::string hash = RegQuery(user, L"pwhash");
    EXPECT_EQ(hash.rfind("REG_SZ pbkdf2-sha256$100000$", 0), 0u) << hash;
    EXPECT_EQ(RegQuery(user, L"crpw"), "");

    // Shown again: the boxes as saved, the password as a placeholder, and no warning on load.
    Click(IDC_CMD_OPTIONS);
    options = WaitForDialog(Pid());
    ASSERT_NE(options.box, nullptr);
    EXPECT_TRUE(checked(IDC_CHK_STEALTH));
    EXPECT_TRUE(checked(IDC_CHK_STEALTH_MIN));
    EXPECT_FALSE(checked(IDC_CHK_HOTKEY_SHOW));
    EXPECT_NE(TextOf(::GetDlgItem(options.box, IDC_TXT_PASS1)), password);
    ::PostMessageW(options.box, WM_COMMAND, IDOK, 0);  // untouched: the password stays
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(options.box); }));
    EXPECT_EQ(RegQuery(user, L"pwhash"), hash);
}

TEST_F(StartupSettingsTest, MismatchedPasswordsSaveNothing) {
    Start();
    Click(IDC_CMD_OPTIONS);
    const SeenBox options = WaitForDialog(Pid());
    ASSERT_NE(options.box, nullptr);
    ::PostMessageW(::GetDlgItem(options.box, IDC_CHK_HOTKEY_SHOW), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(options.box, IDC_TXT_PASS1), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"abc"));
    ::SendMessageW(::GetDlgItem(options.box, IDC_TXT_PASS2), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"abd"));
    ::PostMessageW(options.box, WM_COMMAND, IDOK, 0);
    const SeenBox refusal = AnswerMessageBox(Pid(), IDOK, options.box);
    EXPECT_EQ(refusal.title, L"Murkwell Demo");
    EXPECT_EQ(refusal.text, L"Your passwords do not match.  Please reenter your password.");
    EXPECT_TRUE(::IsWindow(options.box));
    ::PostMessageW(options.box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(options.box); }));
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings", L"chkHotkeyShow"), "");
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings", L"pwhash"), "");
}

TEST_F(StartupSettingsTest, FirstStartOpensTheHelpFileOnce) {
    ClearProgramRegistry();  // a first start: "showHelp" is not set yet
    ASSERT_TRUE(::CopyFileW(
        (BuiltProgramPath().substr(0, BuiltProgramPath().rfind(L'\\')) + L"\\Help.chm").c_str(),
        programFolder.PathOf(L"Help.chm").c_str(), FALSE));
    Start();
    // The shell opens it in the help viewer, another program.
    HWND viewer = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (viewer = ::FindWindowW(L"HH Parent", nullptr)) != nullptr; }));
    ASSERT_TRUE(CloseAndWait(viewer));
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings", L"showHelp"), "REG_SZ 0");
    EXPECT_EQ(RegQuery(L"HKLM\\SOFTWARE\\Kestrelby\\Murkwell\\Settings", L"showHelp"), "REG_SZ 0");
}

TEST_F(StartupSettingsTest, AbsentHelpFileOpensNothingAndWritesNoMachineFlag) {
    ClearProgramRegistry();
    Start();
    ::Sleep(500);
    EXPECT_EQ(::FindWindowW(L"HH Parent", nullptr), nullptr);
    EXPECT_EQ(RegQuery(L"HKLM\\SOFTWARE\\Kestrelby\\Murkwell\\Settings", L"showHelp"), "");
    // The first start is over all the same.
    EXPECT_EQ(RegQuery(L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings", L"showHelp"), "REG_SZ 0");
}
