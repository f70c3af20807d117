#include "protect/app_hider.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FakeStealthPlatform final : public StealthPlatform {
public:
    WindowsFamily family = WindowsFamily::WindowsNT;
    bool fails = false;
    std::vector<bool> serviceCalls;

    Outcome ReadFamily(WindowsFamily& result) override {
        if (fails) {
            return Outcome::Failure(
                {static_cast<int>(kVersionReadError), "Error Getting Version Information"});
        }
        result = family;
        return Outcome::Success();
    }
    void RegisterServiceProcess(bool asService) override { serviceCalls.push_back(asService); }
};

}  // namespace

TEST(AppHider, NtFamilyClearsTheTitleAndGivesTheRememberedOneBack) {
    FakeStealthPlatform platform;
    std::string title = "Murkwell Demo";
    AppHider hider(platform, title);
    ASSERT_TRUE(hider.HideApplication().Succeeded());
    EXPECT_EQ(title, "");
    ASSERT_TRUE(hider.HideApplication().Succeeded());  // twice: the first title is still known
    ASSERT_TRUE(hider.ShowApplication(title).Succeeded());
    EXPECT_EQ(title, "Murkwell Demo");
    ASSERT_TRUE(hider.ShowApplication("Other").Succeeded());
    EXPECT_EQ(title, "Other");
    EXPECT_TRUE(platform.serviceCalls.empty());
}

TEST(AppHider, Windows9xRegistersAsAServiceAndLeavesTheTitle) {
    FakeStealthPlatform platform;
    platform.family = WindowsFamily::Windows9x;
    std::string title = "Murkwell Demo";
    AppHider hider(platform, title);
    ASSERT_TRUE(hider.HideApplication().Succeeded());
    ASSERT_TRUE(hider.ShowApplication(title).Succeeded());
    EXPECT_EQ(platform.serviceCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(title, "Murkwell Demo");
}

TEST(AppHider, UnreadableVersionFailsWithItsCode) {
    FakeStealthPlatform platform;
    platform.fails = true;
    std::string title = "Murkwell Demo";
    AppHider hider(platform, title);
    const Outcome hidden = hider.HideApplication();
    ASSERT_TRUE(hidden.Failed());
    EXPECT_EQ(static_cast<std::uint32_t>(hidden.Error().number), kVersionReadError);
    EXPECT_EQ(title, "Murkwell Demo");
}
