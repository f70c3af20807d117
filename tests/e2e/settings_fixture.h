#pragma once
// The real program started with prepared settings: the registry cleared before and after each
// test, values written as the options dialog would have written them.

#include "protect/password_hasher_win.h"
#include "protect/password_store.h"
#include "tests/e2e/main_window_fixture.h"
#include "tests/win/registry_test_support.h"

namespace settings_fixture {

inline constexpr wchar_t kUserKeyPath[] = L"Software\\Kestrelby\\Murkwell\\Settings";
inline constexpr wchar_t kMachineKeyPath[] = L"SOFTWARE\\Kestrelby\\Murkwell\\Settings";

inline void SetString(HKEY root,
                      const wchar_t* path,
                      const wchar_t* name,
                      const std::wstring& value) {
    HKEY key = nullptr;
    ::RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE | kProgramView, nullptr, &key,
                      nullptr);
    ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

struct TopWindows {
    HWND splash = nullptr;
    HWND main = nullptr;
    bool anyVisible = false;
};

struct WindowSearch {
    DWORD processId;
    TopWindows found;
};

inline BOOL CALLBACK NoteWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) {
        return TRUE;
    }
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    if (wcscmp(className, L"MurkwellSplash") == 0) {
        search->found.splash = window;
    } else if (wcscmp(className, kMainWindowClass) == 0) {
        search->found.main = window;
    }
    if (::IsWindowVisible(window) && wcscmp(className, L"IME") != 0) {
        search->found.anyVisible = true;
    }
    return TRUE;
}

inline TopWindows WindowsOf(DWORD processId) {
    WindowSearch search{processId, {}};
    ::EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class StartupSettingsTest : public MainWindowTest {
protected:
    void SetUp() override {
        ClearProgramRegistry();
        SetString(HKEY_CURRENT_USER, kUserKeyPath, L"showHelp", L"0");
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        ClearProgramRegistry();
    }
    void SetPassword(const std::string& password) {
        CngPasswordHasher hasher;
        SetString(HKEY_CURRENT_USER, kUserKeyPath, L"pwhash",
                  Widen(HashPassword(password, hasher).bytes.value()));
    }
    void Launch() {
        program = std::make_unique<ProgramRun>(programFolder);
        ASSERT_TRUE(program->Started());
    }
    // Starts the program with a password asked at start; the prompt it shows.
    SeenBox LaunchBehindPassword(const std::string& password) {
        SetString(HKEY_CURRENT_USER, kUserKeyPath, L"chkPassword", L"1");
        SetPassword(password);
        Launch();
        return WaitForDialog(Pid());
    }
    void TypeIntoPrompt(HWND prompt, const std::wstring& text) {
        ::SendMessageW(::GetDlgItem(prompt, IDC_TXT_PASS), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(text.c_str()));
    }
};

}  // namespace settings_fixture

using namespace settings_fixture;
