#include "vault/disk_check.h"

#include <gtest/gtest.h>

TEST(DiskCheck, WordFollowsTheOneNameTheDiskShows) {
    struct Case {
        std::string_view status;
        FolderPresence presence;
        DiskVerdict expected;
    };
    const FolderPresence listedOnly{true, false};
    const FolderPresence hiddenOnly{false, true};
    const FolderPresence both{true, true};
    const FolderPresence neither{false, false};
    const Case cases[] = {
        {"Visible", listedOnly, {"Visible", false}},
        {"Visible", hiddenOnly, {"Hidden", false}},
        {"Visible", both, {"Visible", false}},
        {"Visible", neither, {"Visible", true}},
        {"Hidden", listedOnly, {"Visible", false}},
        {"Hidden", hiddenOnly, {"Hidden", false}},
        {"Hidden", both, {"Hidden", false}},
        {"Hidden", neither, {"Hidden", true}},
        // Words the program does not write are left to the user's repair.
        {"visible", hiddenOnly, {"visible", false}},
        {"", listedOnly, {"", false}},
        {"Gone", neither, {"Gone", true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JudgeAgainstDisk(c.status, c.presence), c.expected)
            << c.status << " listed=" << c.presence.listed << " hidden=" << c.presence.hidden;
    }
}
