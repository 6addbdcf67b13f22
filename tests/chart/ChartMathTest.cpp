// Tests of the chart pixel arithmetic, tick loop and tick labels.
#include "chart/ChartMath.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct MulDivCase {
    const char* name;
    int32_t a, b, c, expected;
};

class MulDivTest : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsAndReportsFailure) {
    const MulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MulDivTest,
    testing::Values(MulDivCase{"Exact", 6, 4, 3, 8}, MulDivCase{"HalfRoundsAwayFromZero", 5, 1, 2, 3},
                    MulDivCase{"NegativeHalfRoundsAwayFromZero", -5, 1, 2, -3},
                    MulDivCase{"BelowHalfRoundsDown", 4, 1, 3, 1}, MulDivCase{"NegativeDivisor", 7, 1, -2, -4},
                    MulDivCase{"WideIntermediate", 100000, 100000, 100000, 100000},
                    MulDivCase{"DivisionByZero", 5, 5, 0, -1}, MulDivCase{"Overflow", 2000000000, 2, 1, -1}),
    [](const testing::TestParamInfo<MulDivCase>& info) { return std::string(info.param.name); });

TEST(ChartMath, ClampToPixelKeepsNonFiniteValuesFarOut) {
    EXPECT_EQ(ClampToPixel(12.0), 12);
    EXPECT_EQ(ClampToPixel(-3.0), -3);
    EXPECT_EQ(ClampToPixel(kInf), kFarPixel);
    EXPECT_EQ(ClampToPixel(-kInf), -kFarPixel);
    EXPECT_EQ(ClampToPixel(1e300), kFarPixel);
    EXPECT_EQ(ClampToPixel(kNaN), kFarPixel);
    EXPECT_EQ(SaturatingInt32(kNaN), 0);
    EXPECT_EQ(SaturatingInt32(1e20), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SaturatingInt32(-1e20), std::numeric_limits<int32_t>::min());
}

TEST(ChartMath, RectangleTests) {
    const ChartRect r{10, 20, 30, 40};
    EXPECT_TRUE(PtInRect(r, {10, 20}));
    EXPECT_FALSE(PtInRect(r, {30, 25})) << "right edge is exclusive";
    EXPECT_FALSE(PtInRect(r, {15, 40})) << "bottom edge is exclusive";
    EXPECT_EQ(IntersectRect(r, ChartRect{0, 0, 15, 100}), (ChartRect{10, 20, 15, 40}));
    EXPECT_EQ(IntersectRect(r, ChartRect{30, 20, 50, 40}), ChartRect{}) << "touching rectangles do not overlap";
}

TEST(ChartMath, TickLabelsArePrintedWithTenSignificantDigitsAndAPoint) {
    EXPECT_EQ(FormatTick(0.5), "0.5");
    EXPECT_EQ(FormatTick(10.0), "10");
    EXPECT_EQ(FormatTick(-0.0), "0");
    EXPECT_EQ(FormatTick(-8e304), "-8e+304");
    EXPECT_EQ(FormatTick(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatTick(1234567890123.0), "1.23456789e+12");
    EXPECT_EQ(FormatTick(0.0001), "0.0001");
    EXPECT_EQ(FormatTick(0.00001), "1e-05");
}

TEST(ChartMath, TickLoopVisitsTicksUpToHalfAStepPastTheLast) {
    std::vector<double> visited;
    ForEachTick(0.0, 1.0, 0.25, [&](double v) { visited.push_back(v); });
    EXPECT_EQ(visited, (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
}

struct TickLoopCase {
    const char* name;
    double first, last, step;
    int expectedAtMost;
};

class TickLoopBounds : public testing::TestWithParam<TickLoopCase> {};

TEST_P(TickLoopBounds, EndsQuickly) {
    const TickLoopCase& c = GetParam();
    int visits = 0;
    ForEachTick(c.first, c.last, c.step, [&](double) { ++visits; });
    EXPECT_LE(visits, c.expectedAtMost);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickLoopBounds,
    testing::Values(TickLoopCase{"ZeroStep", 0, 1, 0, 0}, TickLoopCase{"NegativeStep", 0, 1, -1, 0},
                    TickLoopCase{"NaNStep", 0, 1, kNaN, 0}, TickLoopCase{"InfiniteStep", 0, 1, kInf, 0},
                    TickLoopCase{"NaNFirst", kNaN, 1, 0.1, 0}, TickLoopCase{"InfiniteLast", 0, kInf, 1, 0},
                    TickLoopCase{"StepBelowPrecision", 1e20, 2e20, 1.0, 1},
                    TickLoopCase{"TooManyTicks", 0, 1e9, 1, kMaxTicks}),
    [](const testing::TestParamInfo<TickLoopCase>& info) { return std::string(info.param.name); });

}  // namespace
