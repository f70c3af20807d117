// Adding folders through the system's folder dialog, typed into as a person would.

#include <gtest/gtest.h>

#include "tests/e2e/main_window_fixture.h"

namespace {

class AddFolderTest : public MainWindowTest {
protected:
    // Presses Add, waits for the folder dialog and types `path` into it (or cancels it).
    void AddThroughDialog(const std::wstring& path) {
        Click(IDC_CMD_ADD);
        const SeenBox dialog = WaitForDialog(Pid());
        ASSERT_NE(dialog.box, nullptr);
        EXPECT_EQ(dialog.title, L"Select Folder");
        ClickToFocus(dialog.box);
        if (path.empty()) {
            XdoTool(L"key Escape");
        } else {
            XdoTool(L"type --delay 5 \"" + path + L"\"");
            XdoTool(L"key Return");
        }
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog.box); }));
    }
};

}  // namespace

TEST_F(AddFolderTest, ChosenFolderIsListedAndTheListFilesAreCreated) {
    scratch.MakeFolder(L"Diary");
    Start();
    ASSERT_FALSE(programFolder.Exists(L"data.dat"));

    AddThroughDialog(scratch.PathOf(L"Diary"));
    ASSERT_TRUE(WaitForStatus(L"Added: " + scratch.PathOf(L"Diary")));
    EXPECT_EQ(ReadRows(list),
              (std::vector<RemoteRow>{{scratch.PathOf(L"Diary"), L"Visible", false}}));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"Diary"), "Visible"}}));
    EXPECT_EQ(programFolder.ReadFile(L"data.bak"), programFolder.ReadFile(L"data.dat"));
}

TEST_F(AddFolderTest, CancelledDialogChangesNothing) {
    Start();
    AddThroughDialog(L"");
    EXPECT_TRUE(NoDialogWithin(Pid(), 300));
    EXPECT_TRUE(ReadRows(list).empty());
    EXPECT_EQ(ReadStatusText(statusBar), L"0 folders, 0 hidden");  // the idle totals
    EXPECT_FALSE(programFolder.Exists(L"data.dat"));
}

TEST_F(AddFolderTest, FolderHoldingTheProgramIsRefused) {
    Start();
    AddThroughDialog(programFolder.Path());
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.title, L"Murkwell Demo");
    EXPECT_EQ(box.text, L"You cannot hide a folder that contains this program.");
    EXPECT_TRUE(ReadRows(list).empty());
    EXPECT_FALSE(programFolder.Exists(L"data.dat"));
}
