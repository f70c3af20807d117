// The real program on the virtual display: it starts, shows its main window, and ends cleanly.

#include <gtest/gtest.h>

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
