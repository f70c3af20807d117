#pragma once
// The real program with a list file prepared in its own program folder, and real folders to
// hide in a scratch folder.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/text_win.h"
#include "shell/main_window_ids.h"
#include "tests/e2e/program_run.h"
#include "tests/e2e/remote_controls.h"
#include "vault/list_file.h"

class MainWindowTest : public ::testing::Test {
protected:
    TestFolder programFolder;
    TestFolder scratch;
    std::unique_ptr<ProgramRun> program;
    HWND window = nullptr;
    HWND list = nullptr;
    HWND statusBar = nullptr;

    // Writes data.dat with these entries (UTF-8 paths, system code page on disk).
    void PrepareList(const std::vector<StoredEntry>& entries) {
        SystemCodePage codePage;
        StoredList stored;
        for (const auto& entry : entries) {
            stored.entries.push_back({*codePage.FromUtf8(entry.path), entry.status});
        }
        programFolder.WriteFile(L"data.dat", FormatListBytes(stored));
    }

    // `count` folders "Folder 0", "Folder 1", ... in the scratch folder, listed as visible.
    void PrepareManyFolders(int count) {
        std::vector<StoredEntry> entries;
        for (int i = 0; i < count; ++i) {
            const std::wstring name = L"Folder " + std::to_wstring(i);
            scratch.MakeFolder(name);
            entries.push_back({Scratch(name.c_str()), "Visible"});
        }
        PrepareList(entries);
    }

    // What data.dat holds now, paths back in UTF-8.
    std::vector<StoredEntry> SavedList() const {
        SystemCodePage codePage;
        std::vector<StoredEntry> entries;
        for (auto& entry : ParseListBytes(programFolder.ReadFile(L"data.dat")).entries) {
            entries.push_back({codePage.ToUtf8(entry.path), entry.status});
        }
        return entries;
    }

    // `keepPlacement`: the window opens where the last run left it; otherwise each test's
    // window opens at the design size and its columns follow it, whatever the last test left.
    void Start(bool keepPlacement = false) {
        if (!keepPlacement) {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestrelby\\Murkwell\\Settings",
                                 L"windowPlacement");
        }
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestrelby\\Murkwell\\Settings",
                             L"columnWidths");
        program = std::make_unique<ProgramRun>(programFolder);
        ASSERT_TRUE(program->Started());
        AttachToWindow();
    }

    // Waits for the main window of the program already started.
    void AttachToWindow() {
        window = program->WaitForWindow(kMainWindowClass);
        ASSERT_NE(window, nullptr);
        list = ChildById(window, IDC_LST_FOLDERS);
        statusBar = ChildById(window, IDC_STATUS_BAR);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(statusBar, nullptr);
    }

    void TearDown() override {
        if (program && window && ::IsWindow(window)) {
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            program->WaitForExit(5000);
        }
    }

    void Click(int buttonId) { ::PostMessageW(ChildById(window, buttonId), BM_CLICK, 0, 0); }
    void Menu(int itemId) { ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(itemId, 0), 0); }
    bool WaitForStatus(const std::wstring& text) {
        return WaitUntil([&] { return ReadStatusText(statusBar) == text; });
    }
    DWORD Pid() const { return program->ProcessId(); }
    std::string Scratch(const wchar_t* name) const { return scratch.Utf8PathOf(name); }
};
