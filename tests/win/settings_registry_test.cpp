// The settings stores on the real registry, checked from outside with reg.exe.

#include <gtest/gtest.h>

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "protect/add_remove_win.h"
#include "protect/machine_registry_win.h"
#include "protect/password_hasher_win.h"
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

TEST_F(SettingsRegistryTest, NumberInTheMachineStoreIsNotAString) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Kestrelby\\Murkwell\\Settings", 0,
                                nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
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

TEST(CngPasswordHasher, DerivesTheStandardPbkdf2Bytes) {
    CngPasswordHasher hasher;
    struct Case {
        std::string password;
        std::string saltHex;
        std::uint32_t iterations;
        std::string keyHex;
    };
    // Reference values from an independent PBKDF2-HMAC-SHA256 implementation.
    const Case cases[] = {
        {"Secret 1", "00112233445566778899aabbccddeeff", 100000,
         "26bc00fe951a8cfd9b975e3041bff6011f53844f09285313c04c1d82d2cf686c"},
        {"", "0011", 1000, "1801b5fda473e9a9a619910bc03714a175b78c02cbfd59ea755f25fc8ac5715a"},
    };
    auto fromHex = [](const std::string& hex) {
        std::string bytes;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
        return bytes;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hasher.DeriveKey(c.password, fromHex(c.saltHex), c.iterations, 32),
                  fromHex(c.keyHex))
            << c.password;
    }
    const std::string a = hasher.RandomBytes(16);
    const std::string b = hasher.RandomBytes(16);
    EXPECT_EQ(a.size(), 16u);
    EXPECT_NE(a, b);
    // The stored hash of a real password verifies with the real hasher.
    const std::string stored = HashPassword("caf\xC3\xA9", hasher);
    EXPECT_TRUE(VerifyPasswordHash("caf\xC3\xA9", stored, hasher));
    EXPECT_FALSE(VerifyPasswordHash("cafe", stored, hasher));
}

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
