#include "shell/window_geometry.h"

#include <gtest/gtest.h>

TEST(WindowGeometry, RoundTripsAndRefusesWhatIsNotAPlace) {
    const WindowGeometry placed{-8, 20, 900, 700, true};
    EXPECT_EQ(FormatWindowGeometry(placed), "-8,20,900,700,1");
    EXPECT_EQ(ParseWindowGeometry("-8,20,900,700,1"), placed);
    EXPECT_EQ(ParseWindowGeometry("10,20,30,40,0"), (WindowGeometry{10, 20, 30, 40, false}));
    for (const std::string_view bad :
         {"", "10,20,30,40", "10,20,30,40,0,1", "10,20,30,40,2", "30,20,10,40,0", "10,40,30,40,0",
          "a,20,30,40,0", "10, 20,30,40,0", "10,20,30,40,0 ", "99999999999,0,1,1,0"}) {
        EXPECT_EQ(ParseWindowGeometry(bad), std::nullopt) << bad;
    }
}

TEST(WindowGeometry, ColumnWidthsRoundTripAndRefuseNonsense) {
    EXPECT_EQ(FormatColumnWidths({5400, 1800}), "5400,1800");
    EXPECT_EQ(ParseColumnWidths("5400,1800"), (ColumnWidths{5400, 1800}));
    EXPECT_EQ(ParseColumnWidths("0,0"), (ColumnWidths{0, 0}));
    for (const std::string_view bad : {"", "5400", "5400,", ",1800", "5400,1800,1", "-1,1800",
                                       "5400,144001", "54 00,1800", "x,1800"}) {
        EXPECT_EQ(ParseColumnWidths(bad), std::nullopt) << bad;
    }
}
