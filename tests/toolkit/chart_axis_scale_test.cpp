#include <gtest/gtest.h>

#include "toolkit/chart/chart_axis_scale.h"

namespace quarvo {
namespace {

TEST(AxisScale, AutomaticRangesWidenToWholeStepsOfOneTwoOrFive) {
    // 300 pixels with labels needing 30: at most ten steps over 0..465.7.
    const AxisScale gigabytes = AxisScale::automatic(0, 465.7, 300, 30);
    EXPECT_DOUBLE_EQ(gigabytes.step(), 50);
    EXPECT_DOUBLE_EQ(gigabytes.maximum(), 500);
    EXPECT_EQ(gigabytes.ticks().size(), 11u);

    const AxisScale small = AxisScale::automatic(-0.3, 1.7, 100, 30);
    EXPECT_DOUBLE_EQ(small.step(), 1);
    EXPECT_DOUBLE_EQ(small.minimum(), -1);
    EXPECT_DOUBLE_EQ(small.maximum(), 2);
    EXPECT_DOUBLE_EQ(small.ticks()[1], 0);  // exactly zero, never -0 or 1e-17

    // Nothing to span still gives a usable axis.
    const AxisScale empty = AxisScale::automatic(0, 0, 200, 20);
    EXPECT_GT(empty.maximum(), empty.minimum());
}

TEST(AxisScale, FixedRangesKeepTheirEndsAndMapBothWays) {
    const AxisScale time = AxisScale::fixed(0, 47.9583333333333, 480, 40);
    EXPECT_DOUBLE_EQ(time.maximum(), 47.9583333333333);
    EXPECT_DOUBLE_EQ(time.ticks().back(), 45);
    EXPECT_NEAR(time.position(23.97916666666665, 480), 240, 1e-9);
    EXPECT_NEAR(time.value(240, 480), 23.97916666666665, 1e-9);
    const AxisScale backwards = AxisScale::fixed(5, 2, 100, 10);
    EXPECT_GT(backwards.maximum(), backwards.minimum());
}

}  // namespace
}  // namespace quarvo
