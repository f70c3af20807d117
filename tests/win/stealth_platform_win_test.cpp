// The Windows family as the program reads it, in a helper process that Wine tells which version
// to report.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/text_win.h"
#include "tests/win/child_process.h"

TEST(StealthBranch, EachWindowsFamilyTakesItsOwnBranch) {
    // Wine reports the version a prefix asks for, per program.
    const std::wstring appDefaults = L"Software\\Wine\\AppDefaults\\" MURKWELL_SAVER_CHILD;
    struct Case {
        const wchar_t* version;
        int expected;  // see the helper: family x 10, + 1 service, + 2 title cleared and restored
    };
    const Case cases[] = {
        {L"win98", 11},  // registered as a service process; the title left alone
        {L"win10", 22},  // the title emptied while hidden and given back
    };
    for (const auto& c : cases) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, appDefaults.c_str(), 0, nullptr, 0,
                                    KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::wstring version = c.version;
        ::RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                         static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
        ChildProcess child(L"stealth-branch", L"-");
        EXPECT_EQ(child.WaitForExitCode(), c.expected) << Narrow(c.version);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, appDefaults.c_str());
}
