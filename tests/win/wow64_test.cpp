// The 32-bit program on 64-bit Windows, where the system redirects the system folder: run by
// tools/test in a 64-bit prefix on hosts that start both builds. The folder the user listed is
// the one acted on, never its SysWOW64 namesake.

#include <gtest/gtest.h>

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "tests/win/registry_test_support.h"
#include "tests/win/test_folder.h"
#include "vault/folder_disk_win.h"
#include "vault/folder_hider.h"

namespace {

constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
constexpr wchar_t kName[] = L"murkwell-wow64-test";

std::wstring WindowsFolder() {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, length);
}

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

class Wow64Test : public ::testing::Test {
protected:
    // The real System32 as this 32-bit process must name it, and the folder it is given instead.
    const std::wstring native = WindowsFolder() + L"\\Sysnative\\";
    const std::wstring redirected = WindowsFolder() + L"\\SysWOW64\\";

    void SetUp() override {
        ASSERT_TRUE(RunsUnderWow64()) << "this suite is for the 32-bit build in a 64-bit prefix";
        TearDown();
    }
    void TearDown() override {
        for (const std::wstring& folder : {native, redirected}) {
            RemoveTree(folder + kName);
            RemoveTree(folder + kName + L"HIDDEN123456");
        }
        ClearProgramRegistry();
    }
};

TEST_F(Wow64Test, AFolderListedInTheSystemFolderIsTheOneHiddenAndShown) {
    ASSERT_TRUE(::CreateDirectoryW((native + kName).c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW((redirected + kName).c_str(), nullptr));  // its namesake
    Win32FolderDisk disk;
    MessageBoxPrompter prompter;
    const std::string listed = Narrow(WindowsFolder() + L"\\System32\\" + kName);

    ASSERT_TRUE(HideFolder(listed, disk, prompter));
    const DWORD hidden = ::GetFileAttributesW((native + kName + L"HIDDEN123456").c_str());
    ASSERT_NE(hidden, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(hidden & kHiddenAndSystem, kHiddenAndSystem);
    EXPECT_EQ(::GetFileAttributesW((redirected + kName).c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(LookAtFolder(listed, disk), (FolderPresence{false, true}));

    ASSERT_TRUE(ShowFolder(listed, disk, prompter));
    EXPECT_EQ(::GetFileAttributesW((native + kName).c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(::GetFileAttributesW((redirected + kName + L"HIDDEN123456").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

}  // namespace
