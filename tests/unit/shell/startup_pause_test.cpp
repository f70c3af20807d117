#include "shell/startup_pause.h"

#include <gtest/gtest.h>

TEST(StartupPause, GoesOnOnceAt150MillisecondsWhateverTheTimerGranularity) {
    for (const double granularity : {1.0, 2.0, 10.0, 15.6, 40.0}) {
        StartupPause pause;
        int doneAt = -1;
        int events = 0;
        for (double elapsed = granularity; elapsed < 400; elapsed += granularity) {
            ++events;
            if (pause.Advance(elapsed)) {
                EXPECT_EQ(doneAt, -1) << "twice, at " << granularity;
                doneAt = events;
                EXPECT_GE(elapsed, 150.0);
                EXPECT_LT(elapsed, 150.0 + granularity);
            }
        }
        EXPECT_NE(doneAt, -1) << granularity;
        EXPECT_EQ(pause.Ticks(), 75);
    }
}

TEST(StartupPause, NeverBeforeTheLastTick) {
    StartupPause pause;
    EXPECT_FALSE(pause.Advance(0));
    EXPECT_FALSE(pause.Advance(149.9));
    EXPECT_EQ(pause.Ticks(), 74);
    EXPECT_TRUE(pause.Advance(150));
    EXPECT_FALSE(pause.Advance(500));
}
