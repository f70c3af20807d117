// Hiding and revealing real folders, with the real message boxes answered as a person would.

#include <gtest/gtest.h>

#include "platform/message_box_win.h"
#include "platform/system_error_win.h"
#include "tests/win/child_process.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_folder.h"
#include "vault/folder_disk_win.h"
#include "vault/folder_hider.h"

namespace {

// Wine keeps only the hidden and system attributes on folders; read-only and archive are
// accepted but not stored, so they are not asserted here.
constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class FolderHiderWinTest : public ::testing::Test {
protected:
    TestFolder folder;
    Win32FolderDisk disk;
    MessageBoxPrompter prompter;

    std::string PathOf(const wchar_t* name) { return folder.Utf8PathOf(name); }
};

std::string ErrorText(DWORD win32Error) {
    const RuntimeError error = RuntimeErrorFromWin32(win32Error);
    return "Error " + std::to_string(error.number) + "\r\n" + error.description;
}

}  // namespace

TEST_F(FolderHiderWinTest, HideThenRevealRestoresNameAndAttributes) {
    folder.MakeFolder(L"Secret");
    folder.WriteFile(L"Secret\\inside.txt", "kept");
    MessageBoxWatcher watcher;

    ASSERT_TRUE(HideFolder(PathOf(L"Secret"), disk, prompter));
    EXPECT_FALSE(folder.Exists(L"Secret"));
    const DWORD hidden = folder.Attributes(L"SecretHIDDEN123456");
    ASSERT_NE(hidden, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(hidden & (kHiddenAndSystem | FILE_ATTRIBUTE_DIRECTORY),
              kHiddenAndSystem | FILE_ATTRIBUTE_DIRECTORY);

    ASSERT_TRUE(ShowFolder(PathOf(L"Secret"), disk, prompter));
    EXPECT_FALSE(folder.Exists(L"SecretHIDDEN123456"));
    EXPECT_EQ(folder.Attributes(L"Secret"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(folder.ReadFile(L"Secret\\inside.txt"), "kept");
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(FolderHiderWinTest, NonAsciiFolderNamesWork) {
    folder.MakeFolder(L"\u65e5\u8a18 caf\u00e9");
    MessageBoxWatcher watcher;
    const std::string path = folder.Utf8PathOf(L"\u65e5\u8a18 caf\u00e9");
    ASSERT_TRUE(HideFolder(path, disk, prompter));
    EXPECT_TRUE(folder.Exists(L"\u65e5\u8a18 caf\u00e9HIDDEN123456"));
    ASSERT_TRUE(ShowFolder(path, disk, prompter));
    EXPECT_TRUE(folder.Exists(L"\u65e5\u8a18 caf\u00e9"));
}

TEST_F(FolderHiderWinTest, HideFailuresShowTheRealErrorBox) {
    struct Case {
        const char* name;
        bool makeFolder;
        bool takeHiddenName;
        DWORD expectedError;
    };
    const Case cases[] = {
        {"missing folder", false, false, ERROR_FILE_NOT_FOUND},
        {"hidden name taken", true, true, ERROR_ALREADY_EXISTS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder scratch;
        if (c.makeFolder) {
            scratch.MakeFolder(L"Secret");
        }
        if (c.takeHiddenName) {
            scratch.MakeFolder(L"SecretHIDDEN123456");
        }
        MessageBoxWatcher watcher;
        EXPECT_FALSE(HideFolder(scratch.Utf8PathOf(L"Secret"), disk, prompter));
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, "Error");
        EXPECT_EQ(seen[0].text, ErrorText(c.expectedError));
        EXPECT_EQ(scratch.Exists(L"Secret"), c.makeFolder);
        if (c.takeHiddenName) {
            EXPECT_EQ(scratch.Attributes(L"SecretHIDDEN123456") & kHiddenAndSystem, 0u);
        }
    }
}

TEST_F(FolderHiderWinTest, FolderHeldOpenByAnotherProcessGetsTheInUseMessage) {
    folder.MakeFolder(L"Busy");
    ChildProcess holder(L"hold", folder.PathOf(L"Busy"));
    ASSERT_TRUE(holder.Running());
    ::Sleep(300);  // let it open the folder

    {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(HideFolder(PathOf(L"Busy"), disk, prompter));
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, "Error");
        EXPECT_EQ(seen[0].text,
                  "Error: could not hide the following folder because it is currently in "
                  "use:\r\n\r\n" +
                      PathOf(L"Busy") +
                      "\r\n\r\nClose any program that might be accessing files in this folder.  "
                      "If the problem persists it could be a windows explorer error, which can "
                      "be fixed by restarting your computer.");
        EXPECT_TRUE(folder.Exists(L"Busy"));
        EXPECT_EQ(folder.Attributes(L"Busy") & kHiddenAndSystem, 0u);
    }

    holder.Kill();
    MessageBoxWatcher watcher;
    EXPECT_TRUE(HideFolder(PathOf(L"Busy"), disk, prompter));
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(FolderHiderWinTest, RevealOfAFolderNeverHiddenChangesNothing) {
    folder.MakeFolder(L"Plain");
    MessageBoxWatcher watcher;
    EXPECT_FALSE(ShowFolder(PathOf(L"Plain"), disk, prompter));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Error");
    EXPECT_EQ(seen[0].text, ErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(folder.Attributes(L"Plain"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(FolderHiderWinTest, RevealOntoATakenNameLeavesTheFolderUnderItsHiddenName) {
    folder.MakeFolder(L"Secret");
    MessageBoxWatcher watcher;
    ASSERT_TRUE(HideFolder(PathOf(L"Secret"), disk, prompter));
    folder.MakeFolder(L"Secret");  // something new took the listed name meanwhile

    EXPECT_FALSE(ShowFolder(PathOf(L"Secret"), disk, prompter));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, ErrorText(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(folder.Exists(L"SecretHIDDEN123456"));
}
