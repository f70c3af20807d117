// The settings stores on the real registry, checked from outside with reg.exe.

#include <gtest/gtest.h>

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "protect/add_remove_win.h"
#include "protect/machine_registry_win.h"
#include "protect/settings_keys.h"
#include "protect/user_settings_win.h"
#include "tests/win/child_process.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/registry_test_support.h"

namespace {

constexpr wchar_t kUserKey[] = L"HKCU\\Software\\Kestrelby\\Murkwell\\Settings";
constexpr wchar_t kMachineKey[] = L"HKLM\\SOFTWARE\\Kestrelby\\Murkwell\\Settings";
constexpr wchar_t kRunKey[] = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ClearProgramRegistry(); }
    void TearDown() override { ClearProgramRegistry(); }

    UserSettings user{"Kestrelby", "Murkwell"};
    Win32MachineRegistry machine;
};

// The real registry, made to refuse a number of writes (Wine does not enforce permissions).
class RefusingRegistry final : public MachineRegistry {
public:
    explicit RefusingRegistry(int refusals) : m_refusals(refusals) {}
    MachineValue Read(const std::string& keyPath, std::string_view name) override {
        return m_real.Read(keyPath, name);
    }
    Outcome Write(const std::string& keyPath,
                  std::string_view name,
                  std::string_view text) override {
        if (m_refusals > 0) {
            --m_refusals;
            return Outcome::Failure({70, "Permission denied"});
        }
        return m_real.Write(keyPath, name, text);
    }

private:
    Win32MachineRegistry m_real;
    int m_refusals;
};

}  // namespace

TEST_F(SettingsRegistryTest, FreshInstallationReadsTheDefaults) {
    EXPECT_EQ(user.Read(settings::kStealthMin, "0"), "0");
    EXPECT_EQ(user.Read(settings::kShowHelp, "1"), "1");
    EXPECT_EQ(user.Read(settings::kLegacyPassword, ""), "");
    const auto stealth =
        GetMachineSetting(machine, "Kestrelby", "Murkwell", "Settings", "chkStealth", "0");
    EXPECT_FALSE(stealth.error.has_value());
    EXPECT_EQ(stealth.value, "0");
}

TEST_F(SettingsRegistryTest, UserSettingsAreStringsUnderTheProductKey) {
    user.Write(settings::kStealthMin, "1");
    user.Write(settings::kShowHelp, "0");
    EXPECT_EQ(RegQuery(kUserKey, L"chkStealthMin"), "REG_SZ 1");
    EXPECT_EQ(RegQuery(kUserKey, L"showHelp"), "REG_SZ 0");
    EXPECT_EQ(user.Read("CHKSTEALTHMIN", "0"), "1");  // names match without regard to case
    user.Remove(settings::kStealthMin);
    user.Remove(settings::kStealthMin);  // a second removal is harmless
    EXPECT_EQ(RegQuery(kUserKey, L"chkStealthMin"), "");
    EXPECT_EQ(user.Read(settings::kStealthMin, "0"), "0");
}

TEST_F(SettingsRegistryTest, MachineSettingIsAStringUnderTheMachineKey) {
    MessageBoxPrompter prompter;
    SaveMachineSetting(machine, user, prompter, "Kestrelby", "Murkwell", "Settings", "chkStealth",
                       "1");
    EXPECT_EQ(RegQuery(kMachineKey, L"chkStealth"), "REG_SZ 1");
    const auto stealth =
        GetMachineSetting(machine, "Kestrelby", "Murkwell", "Settings", "chkStealth", "0");
    EXPECT_EQ(stealth.value, "1");
}

// Both builds keep the machine settings in the 32-bit view, where the 32-bit program always
// has: on 64-bit Windows the 64-bit view has no such key.
TEST_F(SettingsRegistryTest, MachineSettingsLiveInThe32BitViewInBothBuilds) {
    MessageBoxPrompter prompter;
    SaveMachineSetting(machine, user, prompter, "Kestrelby", "Murkwell", "Settings", "chkStealth",
                       "1");
    const auto viewHasKey = [](REGSAM view) {
        HKEY key = nullptr;
        const LONG result =
            ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Kestrelby\\Murkwell\\Settings", 0,
                            KEY_READ | view, &key);
        if (result == ERROR_SUCCESS) {
            ::RegCloseKey(key);
        }
        return result == ERROR_SUCCESS;
    };
    EXPECT_TRUE(viewHasKey(KEY_WOW64_32KEY));
    BOOL wow64 = FALSE;
    const bool windows64 =
        sizeof(void*) == 8 || (::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64);
    if (windows64) {
        EXPECT_FALSE(viewHasKey(KEY_WOW64_64KEY));
    }
}

TEST_F(SettingsRegistryTest, NumberInTheMachineStoreIsNotAString) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Kestrelby\\Murkwell\\Settings", 0,
                                nullptr, 0, KEY_SET_VALUE | kProgramView, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD one = 1;
    ::RegSetValueExW(key, L"chkStealth", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                     sizeof(one));
    ::RegCloseKey(key);

    const auto stealth =
        GetMachineSetting(machine, "Kestrelby", "Murkwell", "Settings", "chkStealth", "0");
    ASSERT_TRUE(stealth.error.has_value());
    EXPECT_EQ(stealth.error->code, 0x800407D4u);
    EXPECT_EQ(stealth.error->message, "Registry data not a string");
}

TEST_F(SettingsRegistryTest, PermissionDeniedAnswersAsAPersonWould) {
    struct Case {
        const char* name;
        int refusals;
        std::deque<int> buttons;
        std::string stored;
        int boxes;
    };
    const Case cases[] = {
        {"abort", 1, {IDABORT}, "", 1},
        {"retry", 1, {IDRETRY}, "REG_SZ 1", 1},
        {"ignore", 3, {IDIGNORE}, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProgramRegistry();
        RefusingRegistry refusing(c.refusals);
        MessageBoxPrompter prompter;
        MessageBoxWatcher watcher(c.buttons);
        SaveMachineSetting(refusing, user, prompter, "Kestrelby", "Murkwell", "Settings",
                           "chkStealth", "1");
        const auto seen = watcher.Seen();
        ASSERT_EQ(static_cast<int>(seen.size()), c.boxes);
        EXPECT_EQ(seen[0].title, "Permission Denied");
        EXPECT_EQ(seen[0].text, PermissionDeniedText("Murkwell"));
        EXPECT_EQ(RegQuery(kMachineKey, L"chkStealth"), c.stored);
    }
    // Ignore was remembered: the next failure passes silently.
    EXPECT_EQ(RegQuery(kUserKey, L"IgnorePermissionDeniedError"), "REG_SZ 1");
    RefusingRegistry refusing(1);
    MessageBoxPrompter prompter;
    MessageBoxWatcher watcher;
    SaveMachineSetting(refusing, user, prompter, "Kestrelby", "Murkwell", "Settings", "showHelp",
                       "0");
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(SettingsRegistryTest, RunEntryIsQuotedWrittenOnceAndRemoved) {
    // An entry of an older version, unquoted: replaced by the quoted form.
    ASSERT_EQ(RegQuery(kRunKey, L"Murkwell"), "");
    AddRemove().AddToRun(L"Murkwell", L"C:\\Program Files (x86)\\Murkwell\\Murkwell.exe");
    ApplyStartWithWindows(true, L"Murkwell");
    ApplyStartWithWindows(true, L"Murkwell");
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring expected = self;
    expected = expected.substr(0, expected.rfind(L'.')) + L".exe";
    // Quoted: a folder with spaces must never let Windows try "C:\Program.exe" first.
    EXPECT_EQ(RegQuery(kRunKey, L"Murkwell"), "REG_SZ \"" + Narrow(expected) + "\"");

    ApplyStartWithWindows(false, L"Murkwell");
    EXPECT_EQ(RegQuery(kRunKey, L"Murkwell"), "");
    ApplyStartWithWindows(false, L"Murkwell");  // removing a missing entry is harmless
    EXPECT_EQ(RegQuery(kRunKey, L"Murkwell"), "");
}
