// Finding hidden folders again without the list: File > Find Hidden Folders in the real
// program, and Murkwell.exe /scan from a console.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/e2e/main_window_fixture.h"

namespace {

constexpr wchar_t kLinkLoop[] = L"C:\\murkwell-link-loop";

// What a run of Murkwell.exe /scan gave back.
struct ScanRun {
    int exitCode = -1;
    std::string out;
    std::string errors;
};

std::string ReadAll(HANDLE pipe) {
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

class FindHiddenTest : public MainWindowTest {
protected:
    HWND dialog = nullptr;
    HWND found = nullptr;

    // Makes a folder as Hide leaves it: under its hidden name, hidden and system.
    void MakeHiddenFolder(const std::wstring& name) {
        scratch.MakeFolder(name);
        ::SetFileAttributesW(scratch.PathOf(name).c_str(),
                             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }

    void OpenFindWindow() {
        Menu(IDM_FILE_FIND);
        const SeenBox seen = WaitForDialog(Pid());
        ASSERT_NE(seen.box, nullptr);
        ASSERT_EQ(seen.title, L"Find Hidden Folders");
        dialog = seen.box;
        found = ChildById(dialog, IDC_LST_FOUND);
        ASSERT_NE(found, nullptr);
    }

    std::wstring Progress() const { return TextOf(ChildById(dialog, IDC_LBL_SCAN_PROGRESS)); }

    void Press(int id) { ::PostMessageW(ChildById(dialog, id), BM_CLICK, 0, 0); }

    // Scans `folder` from the window and waits for the search to end.
    void ScanFromWindow(const std::wstring& folder) {
        ::SendMessageW(ChildById(dialog, IDC_TXT_LOOK_IN), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(folder.c_str()));
        Press(IDC_CMD_SCAN);
        ASSERT_TRUE(WaitUntil([&] { return Progress().rfind(L"Finished: ", 0) == 0; }))
            << Progress();
    }

    // Runs the program in its folder with these arguments, its output caught in pipes.
    ScanRun RunScan(const std::wstring& arguments) {
        const std::wstring exe = programFolder.PathOf(L"Murkwell.exe");
        if (!programFolder.Exists(L"Murkwell.exe")) {
            EXPECT_TRUE(::CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE));
        }
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE outRead = nullptr;
        HANDLE outWrite = nullptr;
        HANDLE errRead = nullptr;
        HANDLE errWrite = nullptr;
        ::CreatePipe(&outRead, &outWrite, &inherit, 0);
        ::CreatePipe(&errRead, &errWrite, &inherit, 0);
        ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = outWrite;
        startup.hStdError = errWrite;
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        PROCESS_INFORMATION info{};
        ScanRun run;
        const BOOL started =
            ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             programFolder.Path().c_str(), &startup, &info);
        ::CloseHandle(outWrite);
        ::CloseHandle(errWrite);
        if (started) {
            run.out = ReadAll(outRead);
            run.errors = ReadAll(errRead);
            ::WaitForSingleObject(info.hProcess, 60000);
            DWORD code = 0;
            ::GetExitCodeProcess(info.hProcess, &code);
            run.exitCode = static_cast<int>(code);
            ::CloseHandle(info.hThread);
            ::CloseHandle(info.hProcess);
        }
        ::CloseHandle(outRead);
        ::CloseHandle(errRead);
        EXPECT_TRUE(started);
        return run;
    }
};

}  // namespace

TEST_F(FindHiddenTest, FolderTwoLevelsDownIsFoundAndGoesBackOnTheListAsHidden) {
    scratch.MakeFolder(L"Outer");
    scratch.MakeFolder(L"Outer\\Inner");
    scratch.MakeFolder(L"Outer\\Plain");
    MakeHiddenFolder(L"Outer\\Inner\\DiaryHIDDEN123456");
    MakeHiddenFolder(L"ListedHIDDEN123456");
    PrepareList({{Scratch(L"Listed"), "Hidden"}});
    Start();
    OpenFindWindow();
    EXPECT_EQ(TextOf(ChildById(dialog, IDC_TXT_LOOK_IN)), L"All fixed drives");

    ScanFromWindow(scratch.Path());
    // Found under its real name; the folder the list holds is counted, not shown.
    EXPECT_EQ(ReadRows(found), (std::vector<RemoteRow>{{scratch.PathOf(L"Outer\\Inner\\Diary"),
                                                        L"DiaryHIDDEN123456", false}}));
    EXPECT_EQ(Progress(), L"Finished: 6 folders scanned, 1 found, 1 already in the list");
    // Two columns that reach the list's right edge: the header has no empty item beside them.
    RECT area{};
    ::GetClientRect(found, &area);
    EXPECT_EQ(::SendMessageW(found, LVM_GETCOLUMNWIDTH, 0, 0) +
                  ::SendMessageW(found, LVM_GETCOLUMNWIDTH, 1, 0),
              area.right);
    EXPECT_FALSE(::IsWindowEnabled(ChildById(dialog, IDC_CMD_ADD_FOUND)));

    SetRowChecked(found, 0, true);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(ChildById(dialog, IDC_CMD_ADD_FOUND)); }));
    Press(IDC_CMD_ADD_FOUND);
    ASSERT_TRUE(WaitForStatus(L"Added 1 hidden folders to the list"));
    EXPECT_TRUE(ReadRows(found).empty());
    // Nothing on disk changed; the list and the file hold the folder as hidden.
    EXPECT_TRUE(scratch.Exists(L"Outer\\Inner\\DiaryHIDDEN123456"));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"Listed"), "Hidden"},
                                                     {Scratch(L"Outer\\Inner\\Diary"), "Hidden"}}));

    // And Show brings it back where it was.
    Press(IDC_CMD_CLOSE_FIND);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window); }));
    SetRowChecked(list, 1, true);
    Click(IDC_CMD_SHOW);
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Visible"));
    EXPECT_TRUE(scratch.Exists(L"Outer\\Inner\\Diary"));
    EXPECT_EQ(scratch.Attributes(L"Outer\\Inner\\Diary") &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              0u);
}

TEST_F(FindHiddenTest, RevealNowBringsNestedFoldersBackWithoutTouchingTheList) {
    MakeHiddenFolder(L"BoxHIDDEN123456");
    MakeHiddenFolder(L"BoxHIDDEN123456\\LetterHIDDEN123456");
    Start();
    OpenFindWindow();
    ScanFromWindow(scratch.Path());
    const std::vector<RemoteRow> expected = {
        {scratch.PathOf(L"Box"), L"BoxHIDDEN123456", false},
        {scratch.PathOf(L"Box\\Letter"), L"LetterHIDDEN123456", false}};
    ASSERT_EQ(ReadRows(found), expected);

    // Ticked inner first: revealed outer first all the same.
    SetRowChecked(found, 1, true);
    SetRowChecked(found, 0, true);
    Press(IDC_CMD_REVEAL_FOUND);
    ASSERT_TRUE(WaitUntil([&] { return Progress() == L"Revealed 2 folders"; })) << Progress();
    EXPECT_TRUE(NoDialogWithin(Pid(), 300, dialog));
    EXPECT_TRUE(scratch.Exists(L"Box\\Letter"));
    EXPECT_EQ(scratch.Attributes(L"Box") & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(scratch.Attributes(L"Box\\Letter") & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(ReadRows(found).empty());
    EXPECT_TRUE(ReadRows(list).empty());
    EXPECT_FALSE(programFolder.Exists(L"data.dat"));
}

TEST_F(FindHiddenTest, LongSearchShowsProgressAndStopsOnCancel) {
    Start();
    OpenFindWindow();
    // Every fixed drive: here the whole of the machine's file system, through Wine's Z: drive.
    Press(IDC_CMD_SCAN);
    ASSERT_TRUE(WaitUntil([&] { return Progress().rfind(L"Scanning: ", 0) == 0; })) << Progress();
    EXPECT_EQ(TextOf(ChildById(dialog, IDC_CMD_SCAN)), L"Cancel");
    EXPECT_FALSE(::IsWindowEnabled(window));  // the main window waits for this one
    // Progress moves on while the window answers.
    const std::wstring first = Progress();
    ASSERT_TRUE(WaitUntil([&] { return Progress() != first; })) << first;

    ClickToFocus(dialog);
    XdoTool(L"key Escape");
    ASSERT_TRUE(WaitUntil([&] { return Progress().rfind(L"Stopped: ", 0) == 0; })) << Progress();
    EXPECT_TRUE(::IsWindow(dialog));  // Esc stopped the search; a second one closes
    EXPECT_EQ(TextOf(ChildById(dialog, IDC_CMD_SCAN)), L"&Scan");

    // A folder that does not exist is refused before any search.
    ::SendMessageW(ChildById(dialog, IDC_TXT_LOOK_IN), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"C:\\No Such Folder"));
    Press(IDC_CMD_SCAN);
    const SeenBox box = AnswerMessageBox(Pid(), IDOK, dialog);
    EXPECT_EQ(box.text, L"The folder to look in does not exist:\r\n\r\nC:\\No Such Folder");

    ClickToFocus(dialog);
    XdoTool(L"key Escape");
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
}

TEST_F(FindHiddenTest, ScanCommandPrintsEachFolderOnceAndNeverFollowsALink) {
    // Top\Middle\BackToTop leads back to the top: followed, it would find the folder again and
    // again.
    const ScanRun run = RunScan(std::wstring(L"/scan ") + kLinkLoop);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, Narrow(kLinkLoop) + "\\Top\\Middle\\KeptHIDDEN123456\r\n");
    EXPECT_EQ(run.errors, "Finished: 4 folders scanned, 1 found\r\n");
}

TEST_F(FindHiddenTest, ScanCommandExitCodes) {
    MakeHiddenFolder(L"\u00C4rger HIDDEN123456");
    struct Case {
        std::wstring arguments;
        int exitCode;
        std::string out;
        std::string errors;
    };
    const Case cases[] = {
        {L"/scan \"" + scratch.Path() + L"\"", 0,
         Narrow(scratch.PathOf(L"\u00C4rger HIDDEN123456")) + "\r\n",
         "Finished: 2 folders scanned, 1 found\r\n"},
        {L"-SCAN \"" + scratch.PathOf(L"Gone") + L"\"", 2, "",
         "The folder to look in does not exist: " + Narrow(scratch.PathOf(L"Gone")) + "\r\n"},
        {L"/scan", 2, "", "Usage: Murkwell.exe /scan PATH\r\n"},
    };
    for (const auto& c : cases) {
        const ScanRun run = RunScan(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << Narrow(c.arguments);
        EXPECT_EQ(run.out, c.out) << Narrow(c.arguments);
        EXPECT_EQ(run.errors, c.errors) << Narrow(c.arguments);
    }
    // The search never opened a window or wrote a list.
    EXPECT_FALSE(programFolder.Exists(L"data.dat"));
}
