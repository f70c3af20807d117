// The real program on the virtual display: it starts, shows its main window, and ends cleanly.

#include <gtest/gtest.h>

#include <vector>

#include "present/product_info_win.h"
#include "tests/e2e/program_run.h"

TEST(Startup, ShowsTheMainWindowAndClosesCleanly) {
    TestFolder programFolder;
    ProgramRun program(programFolder);
    ASSERT_TRUE(program.Started());

    const HWND mainWindow = program.WaitForWindow(L"MurkwellMainWindow");
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(WindowText(mainWindow), L"Murkwell by Kestrelby");
    RECT client{};
    ::GetClientRect(mainWindow, &client);
    EXPECT_GT(client.right, 300);
    EXPECT_GT(client.bottom, 200);

    ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    // Starting and closing alone writes no list file.
    EXPECT_FALSE(programFolder.Exists(L"data.dat"));
}

TEST(Startup, VersionResourceDescribesTheProduct) {
    const ProductInfo info = LoadProductInfoFrom(BuiltProgramPath());
    EXPECT_EQ(info.productName, "Murkwell");
    EXPECT_EQ(info.companyName, "Kestrelby");
    EXPECT_EQ(info.websiteAddress, "www.murkwell.example");
    EXPECT_EQ(info.majorVersion, 1);
    EXPECT_EQ(info.minorVersion, 3);

    const std::wstring path = BuiltProgramPath();
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), &value, &length));
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"1.03");
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}
