// Murkwell.exe /showall and /hiddencount, as the uninstaller runs them: no window but the
// password prompt, and an exit code that says whether any listed folder is still hidden.

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/e2e/settings_fixture.h"
#include "tests/win/child_process.h"
#include "vault/folder_hider.h"
#include "vault/show_all_run.h"

namespace {

constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class ShowAllTest : public StartupSettingsTest {
protected:
    void SetUp() override {
        StartupSettingsTest::SetUp();
        ASSERT_TRUE(::CopyFileW(BuiltProgramPath().c_str(),
                                programFolder.PathOf(L"Murkwell.exe").c_str(), FALSE));
    }

    // A folder as the program leaves it hidden: renamed, hidden and system.
    void MakeHiddenFolder(const std::wstring& name) {
        const std::wstring hidden = name + L"HIDDEN123456";
        scratch.MakeFolder(hidden);
        ::SetFileAttributesW(scratch.PathOf(hidden).c_str(), kHiddenAndSystem);
    }

    // Starts the program in its folder with `switchText`; the process.
    UniqueKernelHandle Start(const wchar_t* switchText) {
        std::wstring commandLine =
            L"\"" + programFolder.PathOf(L"Murkwell.exe") + L"\" " + switchText;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              programFolder.Path().c_str(), &startup, &info)) {
            return UniqueKernelHandle();
        }
        ::CloseHandle(info.hThread);
        m_processId = info.dwProcessId;
        return UniqueKernelHandle(info.hProcess);
    }

    int ExitCodeOf(const UniqueKernelHandle& process, DWORD timeoutMs = 20000) {
        if (!process || ::WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        ::GetExitCodeProcess(process.Get(), &code);
        return static_cast<int>(code);
    }

    int Run(const wchar_t* switchText) { return ExitCodeOf(Start(switchText)); }

    bool ShownAgain(const std::wstring& name) {
        return scratch.Exists(name) && !scratch.Exists(name + L"HIDDEN123456") &&
               (scratch.Attributes(name) & kHiddenAndSystem) == 0;
    }

    DWORD m_processId = 0;
};

TEST_F(ShowAllTest, RevealsEveryListedFolderAndSavesTheList) {
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Photos");
    // A batch cut short: listed as visible, hidden on disk.
    MakeHiddenFolder(L"Letters");
    PrepareList({{Scratch(L"Tax"), "Hidden"},
                 {Scratch(L"Photos"), "Hidden"},
                 {Scratch(L"Letters"), "Visible"}});

    EXPECT_EQ(Run(L"/hiddencount"), 3);
    EXPECT_EQ(Run(L"/showall"), kShowAllEveryFolderVisible);

    for (const wchar_t* name : {L"Tax", L"Photos", L"Letters"}) {
        EXPECT_TRUE(ShownAgain(name)) << Narrow(name);
    }
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"Tax"), "Visible"},
                                                     {Scratch(L"Photos"), "Visible"},
                                                     {Scratch(L"Letters"), "Visible"}}));
    EXPECT_EQ(Run(L"/hiddencount"), 0);
    // Again, with nothing left to do: still done.
    EXPECT_EQ(Run(L"/showall"), kShowAllEveryFolderVisible);
}

TEST_F(ShowAllTest, AFolderHeldOpenKeepsItsEntryHiddenAndTheRunFailed) {
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Busy");
    PrepareList({{Scratch(L"Tax"), "Hidden"}, {Scratch(L"Busy"), "Hidden"}});
    ChildProcess holder(L"hold", scratch.PathOf(L"BusyHIDDEN123456"));
    ASSERT_TRUE(holder.Running());
    ::Sleep(300);  // let it open the folder

    EXPECT_EQ(Run(L"/showall"), kShowAllSomeStillHidden);

    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_TRUE(scratch.Exists(L"BusyHIDDEN123456"));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"Tax"), "Visible"},
                                                     {Scratch(L"Busy"), "Hidden"}}));
    holder.Kill();
    EXPECT_EQ(Run(L"/hiddencount"), 1);
}

TEST_F(ShowAllTest, AsksThePasswordWhenTheStartDoes) {
    MakeHiddenFolder(L"Tax");
    PrepareList({{Scratch(L"Tax"), "Hidden"}});
    SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassword", L"1");
    SetPassword("Open sesame");
    const std::string listBefore = programFolder.ReadFile(L"data.dat");

    {
        // Cancelled: nothing changes.
        const UniqueKernelHandle process = Start(L"/showall");
        const SeenBox prompt = WaitForDialog(m_processId);
        ASSERT_NE(prompt.box, nullptr);
        EXPECT_EQ(prompt.title, L"Password Required");
        ::PostMessageW(prompt.box, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(ExitCodeOf(process), kShowAllNoPassword);
        EXPECT_TRUE(scratch.Exists(L"TaxHIDDEN123456"));
        EXPECT_EQ(programFolder.ReadFile(L"data.dat"), listBefore);
    }
    {
        // The right password: shown.
        const UniqueKernelHandle process = Start(L"/showall");
        const SeenBox prompt = WaitForDialog(m_processId);
        ASSERT_NE(prompt.box, nullptr);
        TypeIntoPrompt(prompt.box, L"Open sesame");
        ::PostMessageW(prompt.box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(ExitCodeOf(process), kShowAllEveryFolderVisible);
        EXPECT_TRUE(ShownAgain(L"Tax"));
    }
}

TEST_F(ShowAllTest, LeavesTheListAloneWhileTheProgramRuns) {
    MakeHiddenFolder(L"Tax");
    PrepareList({{Scratch(L"Tax"), "Hidden"}});
    Launch();
    ASSERT_NE(program->WaitForWindow(kMainWindowClass), nullptr);
    window = program->WaitForWindow(kMainWindowClass);

    EXPECT_EQ(Run(L"/showall"), kShowAllSomeStillHidden);
    EXPECT_TRUE(scratch.Exists(L"TaxHIDDEN123456"));
    EXPECT_EQ(Run(L"/hiddencount"), 1);  // reading is harmless
}

// An emptied data.dat beside a backup that lists two hidden folders: the count finds both and
// writes nothing, and /showall shows both. A data.dat with the hidden and system attributes is
// still the list.
TEST_F(ShowAllTest, AnEmptyListBesideItsBackupOrAHiddenListFileStrandsNothing) {
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Photos");
    PrepareList({{Scratch(L"Tax"), "Hidden"}, {Scratch(L"Photos"), "Hidden"}});
    const std::string backup = programFolder.ReadFile(L"data.dat");
    ASSERT_TRUE(::MoveFileW(programFolder.PathOf(L"data.dat").c_str(),
                            programFolder.PathOf(L"data.bak").c_str()));
    programFolder.WriteFile(L"data.dat", "");

    EXPECT_EQ(Run(L"/hiddencount"), 2);
    EXPECT_EQ(programFolder.ReadFile(L"data.dat"), "");
    EXPECT_EQ(programFolder.ReadFile(L"data.bak"), backup);
    EXPECT_EQ(Run(L"/showall"), kShowAllEveryFolderVisible);
    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_TRUE(ShownAgain(L"Photos"));
    EXPECT_EQ(SavedList().size(), 2u);

    MakeHiddenFolder(L"Letters");
    PrepareList({{Scratch(L"Letters"), "Hidden"}});
    ::DeleteFileW(programFolder.PathOf(L"data.bak").c_str());
    ASSERT_TRUE(::SetFileAttributesW(programFolder.PathOf(L"data.dat").c_str(), kHiddenAndSystem));
    EXPECT_EQ(Run(L"/hiddencount"), 1);
    EXPECT_EQ(Run(L"/showall"), kShowAllEveryFolderVisible);
    EXPECT_TRUE(ShownAgain(L"Letters"));
}

}  // namespace
