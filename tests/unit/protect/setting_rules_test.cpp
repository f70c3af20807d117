#include "protect/setting_rules.h"

#include <gtest/gtest.h>

TEST(SettingRules, OnlyTheWholeNumberOneIsOn) {
    struct Case {
        const char* text;
        bool on;
    };
    const Case cases[] = {
        {"1", true},    {"01", true}, {" 1", true},   {"1 ", true},    {"+1", true},
        {"0001", true}, {"0", false}, {"2", false},   {"10", false},   {"11", false},
        {"", false},    {" ", false}, {"abc", false}, {"1x", false},   {"1.0", false},
        {"-1", false},  {"+", false}, {"00", false},  {"true", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadsAsOne(c.text), c.on) << "\"" << c.text << "\"";
    }
}

TEST(SettingRules, StealthOverridesThePasswordAtStart) {
    struct Case {
        const char* stealth;
        const char* password;
        StartupMode mode;
    };
    const Case cases[] = {
        {"1", "1", StartupMode::Stealth},        {"1", "0", StartupMode::Stealth},
        {"0", "1", StartupMode::BehindPassword}, {"0", "0", StartupMode::Normal},
        {"2", "1", StartupMode::BehindPassword}, {"abc", "abc", StartupMode::Normal},
        {" 1", "0", StartupMode::Stealth},       {"0", "01", StartupMode::BehindPassword},
        {"", "", StartupMode::Normal},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideStartup(c.stealth, c.password), c.mode)
            << "stealth \"" << c.stealth << "\", password \"" << c.password << "\"";
    }
}
