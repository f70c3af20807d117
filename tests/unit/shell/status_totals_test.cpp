#include "shell/status_totals.h"

#include <gtest/gtest.h>

TEST(StatusTotals, CountsWithTheUsersDigitGroups) {
    struct Case {
        std::size_t folders;
        std::size_t hidden;
        const char* thousands;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, ",", "0 folders, 0 hidden"},
        {1, 0, ",", "1 folder, 0 hidden"},
        {1, 1, ",", "1 folder, 1 hidden"},
        {999, 12, ",", "999 folders, 12 hidden"},
        {2006, 1434, ",", "2,006 folders, 1,434 hidden"},
        {1234567, 1000, ".", "1.234.567 folders, 1.000 hidden"},
        {100000, 0, "\xC2\xA0",
         "100\xC2\xA0"
         "000 folders, 0 hidden"},  // a no-break space
        {12345, 0, "", "12345 folders, 0 hidden"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatListTotals(c.folders, c.hidden, c.thousands), c.expected) << c.expected;
    }
}
