#include "present/product_info.h"

#include <gtest/gtest.h>

TEST(ProductInfo, CaptionAndVersionText) {
    struct Case {
        int major;
        int minor;
        const char* text;
    };
    const Case cases[] = {{1, 3, "1.3"}, {1, 10, "1.10"}, {2, 0, "2.0"}, {0, 7, "0.7"}};
    for (const auto& c : cases) {
        ProductInfo info;
        info.majorVersion = c.major;
        info.minorVersion = c.minor;
        EXPECT_EQ(VersionText(info), c.text);
    }
    ProductInfo info;
    info.productName = "Murkwell";
    info.companyName = "Kestrelby";
    EXPECT_EQ(MainWindowCaption(info), "Murkwell by Kestrelby");
}
