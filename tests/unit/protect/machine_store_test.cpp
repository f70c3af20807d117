#include "protect/machine_store.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/memory_settings.h"
#include "tests/support/scripted_prompter.h"

namespace {

class FakeMachineRegistry final : public MachineRegistry {
public:
    MachineValue nextRead;
    std::string readPath;
    int failingWrites = 0;  // this many writes fail before one succeeds
    int writeAttempts = 0;
    std::map<std::string, std::string> written;

    MachineValue Read(const std::string& keyPath, std::string_view) override {
        readPath = keyPath;
        return nextRead;
    }
    Outcome Write(const std::string& keyPath,
                  std::string_view name,
                  std::string_view text) override {
        ++writeAttempts;
        if (failingWrites > 0) {
            --failingWrites;
            return Outcome::Failure({70, "Permission denied"});
        }
        written[keyPath + "\\" + std::string(name)] = std::string(text);
        return Outcome::Success();
    }
};

MachineValue Value(MachineValue::Kind kind,
                   std::string text = {},
                   std::uint32_t result = 0,
                   std::uint32_t type = 0) {
    return {kind, std::move(text), result, type};
}

}  // namespace

TEST(MachineStore, ReadsTextNumbersAndMissingValuesOrSaysWhyNot) {
    using Kind = MachineValue::Kind;
    struct Case {
        const char* name;
        const char* app;
        const char* section;
        const char* key;
        MachineValue found;
        std::string value;
        std::uint32_t code;  // 0: no failure
        std::string message;
    };
    const Case cases[] = {
        {"missing key", "Murkwell", "Settings", "chkStealth", Value(Kind::KeyMissing), "0", 0, ""},
        {"missing value", "Murkwell", "Settings", "chkStealth", Value(Kind::QueryFailed), "0", 0,
         ""},
        {"string", "Murkwell", "Settings", "chkStealth", Value(Kind::String, "1"), "1", 0, ""},
        {"empty string", "Murkwell", "Settings", "chkStealth", Value(Kind::String, ""), "", 0, ""},
        {"unreadable data", "Murkwell", "Settings", "chkStealth", Value(Kind::ReadFailed), "0", 0,
         ""},
        {"a number", "Murkwell", "Settings", "chkStealth", Value(Kind::NotString, "", 0, 4), "",
         0x800407D4, "Registry data not a string"},
        {"not openable", "Murkwell", "Settings", "chkStealth", Value(Kind::OpenFailed, "", 5), "",
         0x800407D5, "Could not open registry section"},
        {"empty app", " ", "Settings", "k", Value(Kind::String, "1"), "", 0x800403E8,
         "AppName may not be empty"},
        {"empty section", "Murkwell", "", "k", Value(Kind::String, "1"), "", 0x800403E9,
         "Section may not be empty"},
        {"empty key", "Murkwell", "Settings", "  ", Value(Kind::String, "1"), "", 0x800403EA,
         "Key may not be empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMachineRegistry registry;
        registry.nextRead = c.found;
        const auto result =
            GetMachineSetting(registry, " Kestrelby ", c.app, c.section, c.key, "0");
        if (c.code == 0) {
            EXPECT_FALSE(result.error.has_value());
            EXPECT_EQ(result.value, c.value);
            EXPECT_EQ(registry.readPath, "SOFTWARE\\Kestrelby\\Murkwell\\Settings");
        } else {
            ASSERT_TRUE(result.error.has_value());
            EXPECT_EQ(result.error->code, c.code);
            EXPECT_EQ(result.error->message, c.message);
        }
    }
}

TEST(MachineStore, FailedWriteAsksAbortRetryOrIgnore) {
    struct Case {
        const char* name;
        int failingWrites;
        std::vector<PromptAnswer> answers;
        int questions;
        bool written;
        bool ignoreRemembered;
    };
    const Case cases[] = {
        {"written at once", 0, {}, 0, true, false},
        {"abort", 1, {PromptAnswer::Abort}, 1, false, false},
        {"retry then success", 2, {PromptAnswer::Retry, PromptAnswer::Retry}, 2, true, false},
        {"ignore", 5, {PromptAnswer::Retry, PromptAnswer::Ignore}, 2, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMachineRegistry registry;
        registry.failingWrites = c.failingWrites;
        MemorySettings user;
        ScriptedPrompter prompter;
        prompter.answers.assign(c.answers.begin(), c.answers.end());
        SaveMachineSetting(registry, user, prompter, "Kestrelby", "Murkwell", "Settings",
                           "chkStealth", "1");
        EXPECT_EQ(static_cast<int>(prompter.shown.size()), c.questions);
        EXPECT_EQ(registry.written.contains("SOFTWARE\\Kestrelby\\Murkwell\\Settings\\chkStealth"),
                  c.written);
        EXPECT_EQ(user.Read("IgnorePermissionDeniedError", "0") == "1", c.ignoreRemembered);
        for (const auto& shown : prompter.shown) {
            EXPECT_EQ(shown.title, "Permission Denied");
            EXPECT_EQ(shown.buttons, PromptButtons::AbortRetryIgnore);
            EXPECT_EQ(shown.text, PermissionDeniedText("Murkwell"));
        }
    }
}

TEST(MachineStore, AfterIgnoreFailuresPassSilently) {
    FakeMachineRegistry registry;
    registry.failingWrites = 3;
    MemorySettings user;
    user.Write("IgnorePermissionDeniedError", "1");
    ScriptedPrompter prompter;
    SaveMachineSetting(registry, user, prompter, "Kestrelby", "Murkwell", "Settings", "showHelp",
                       "0");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(registry.writeAttempts, 1);
    EXPECT_EQ(PermissionDeniedText("Murkwell").substr(0, 60),
              "Murkwell requires read/write access to the system registry a");
}
