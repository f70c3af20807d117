#include "present/banner_rules.h"

#include <gtest/gtest.h>

TEST(BannerRules, MarginFollowsTheScaleMode) {
    EXPECT_EQ(BannerMargin(ScaleMode::Pixels), 20);
    EXPECT_EQ(BannerMargin(ScaleMode::Twips), 280);
    EXPECT_EQ(BannerMargin(ScaleMode::Points), 280);
    EXPECT_EQ(BannerMargin(ScaleMode::User), 280);
}
