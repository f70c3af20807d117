#include "shell/window_geometry.h"

#include <gtest/gtest.h>

TEST(WindowGeometry, RoundTripsAndRefusesWhatIsNotAPlace) {
    const WindowGeometry placed{-8, 20, 900, 700, true};
    EXPECT_EQ(FormatWindowGeometry(placed), "-8,20,900,700,1");
    EXPECT_EQ(ParseWindowGeometry("-8,20,900,700,1"), placed);
    EXPECT_EQ(ParseWindowGeometry("10,20,30,40,0"), (WindowGeometry{10, 20, 30, 40, false}));
    const WindowGeometry withDpi{-8, 20, 900, 700, false, 144};
    EXPECT_EQ(FormatWindowGeometry(withDpi), "-8,20,900,700,0,144");
    EXPECT_EQ(ParseWindowGeometry("-8,20,900,700,0,144"), withDpi);
    for (const std::string_view bad :
         {"", "10,20,30,40", "10,20,30,40,0,1", "10,20,30,40,0,96,1", "10,20,30,40,0,96,",
          "10,20,30,40,0,", "10,20,30,40,2", "30,20,10,40,0", "10,40,30,40,0", "a,20,30,40,0",
          "10, 20,30,40,0", "10,20,30,40,0 ", "99999999999,0,1,1,0", "10,20,30,40,0,5000"}) {
        EXPECT_EQ(ParseWindowGeometry(bad), std::nullopt) << bad;
    }
}

TEST(WindowGeometry, KeepsItsSizeInInchesAcrossADpiChange) {
    struct Case {
        WindowGeometry saved;
        int dpi;
        WindowGeometry expected;
    };
    const Case cases[] = {
        {{100, 50, 760, 610, false, 96}, 144, {150, 75, 1140, 915, false, 144}},
        {{150, 75, 1140, 915, true, 144}, 96, {100, 50, 760, 610, true, 96}},
        {{-9, -9, 1291, 1001, false, 192}, 96, {-5, -5, 646, 501, false, 96}},  // halves rounded
        {{100, 50, 760, 610, false, 144}, 144, {100, 50, 760, 610, false, 144}},
        // Kept before the DPI was: taken as it stands.
        {{100, 50, 760, 610, false, 0}, 192, {100, 50, 760, 610, false, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GeometryAtDpi(c.saved, c.dpi), c.expected) << FormatWindowGeometry(c.saved);
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
