#include "platform/runtime_error_numbers.h"

#include <gtest/gtest.h>

TEST(RuntimeErrorNumbers, MapsSystemFailuresToTheirClassicNumbers) {
    struct Case {
        std::uint32_t win32;
        int number;
    };
    const Case cases[] = {
        {2, 53},   {3, 76},   {5, 75},  {32, 75}, {80, 58},   {183, 58},
        {112, 61}, {123, 52}, {21, 71}, {17, 74}, {9999, 57},  // anything unknown is a device I/O
                                                               // error, never the in-use number
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RuntimeErrorNumberFor(c.win32), c.number) << c.win32;
    }
}
