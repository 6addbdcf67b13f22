// Tests of automatic ranges, NiceTicks and the tick layout, measured with fixed font metrics.
#include "RecordingCanvas.h"
#include "chart/CAutoAxis.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// An axis whose series read from vectors the fixture keeps alive.
class AxisTest : public testing::Test {
protected:
    CAutoSeries& Add(const std::vector<double>& x, const std::vector<double>& y) {
        xs.push_back(x);
        ys.push_back(y);
        CAutoSeries& s = axis.series.emplace_back();
        s.count = static_cast<int32_t>(x.size());
        s.xValues = xs.back().data();
        s.yValues = ys.back().data();
        s.UpdateMapping();
        return s;
    }

    CAutoAxis axis;
    RecordingCanvas canvas;
    std::vector<std::vector<double>> xs;
    std::vector<std::vector<double>> ys;

    void SetUp() override {
        xs.reserve(8);
        ys.reserve(8);
        axis.surface = &canvas;
    }
};

// Series an axis may hold with nothing to range over: none at all, no points, no finite value, or
// bands only, which never take part in the range.
struct NoDataCase {
    const char* name;
    int series;
    std::vector<double> values;  // both x and y of every series
    bool bands;
    bool cached;  // an axis without series has computed nothing to keep
};

void PrintTo(const NoDataCase& c, std::ostream* out) { *out << c.name; }

class AxisWithoutData : public AxisTest, public testing::WithParamInterface<NoDataCase> {};

TEST_P(AxisWithoutData, ShowsZeroToThirtyMinutesAndZeroToTen) {
    const NoDataCase& c = GetParam();
    for (int i = 0; i < c.series; ++i) {
        CAutoSeries& s = Add(c.values, c.values);
        if (c.bands) s.markerKind = CAutoSeries::MarkerBands;
    }
    axis.rect = {0, 0, 1000, 600};
    axis.UpdateRanges();
    EXPECT_EQ(axis.xMin, 0.0);
    EXPECT_EQ(axis.xMax, 30.0);
    EXPECT_EQ(axis.yMin, 0.0);
    EXPECT_EQ(axis.yMax, 10.0);
    EXPECT_EQ(axis.xRangeCached, c.cached);
    EXPECT_EQ(axis.yRangeCached, c.cached);

    // Both ends lie on ticks, so the layout keeps them and labels them.
    axis.LayoutXTicks();
    axis.LayoutYTicks();
    EXPECT_EQ(axis.xFirstTick, 0.0);
    EXPECT_EQ(axis.xLastTick, 30.0);
    EXPECT_EQ(axis.xMax, 30.0);
    EXPECT_EQ(axis.yFirstTick, 0.0);
    EXPECT_EQ(axis.yLastTick, 10.0);
    EXPECT_EQ(axis.yMax, 10.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, AxisWithoutData,
                         testing::Values(NoDataCase{"NoSeries", 0, {}, false, false},
                                         NoDataCase{"EmptySeries", 2, {}, false, true},
                                         NoDataCase{"OnlyNonFiniteValues", 1, {kNaN, kInf, -kInf}, false, true},
                                         NoDataCase{"OnlyBands", 1, {1.0, 2.0}, true, true}),
                         [](const testing::TestParamInfo<NoDataCase>& info) { return std::string(info.param.name); });

TEST_F(AxisTest, AnAxisWithoutFiniteValuesFallsBackAloneWhileTheOtherKeepsItsData) {
    Add({2.0, 7.0}, {kNaN, kNaN});
    axis.UpdateRanges();
    EXPECT_EQ(axis.xMin, 2.0);
    EXPECT_EQ(axis.xMax, 7.0);
    EXPECT_EQ(axis.yMin, 0.0);
    EXPECT_EQ(axis.yMax, 10.0);
}

TEST_F(AxisTest, OnePointIsWidenedByTheDigits) {
    Add({2.5}, {-4.0});
    const ValueExtent x = axis.ComputeXRange();
    const ValueExtent y = axis.ComputeYRange();
    EXPECT_DOUBLE_EQ(x.min, 2.4995);
    EXPECT_DOUBLE_EQ(x.max, 2.5005);
    EXPECT_DOUBLE_EQ(y.min, -4.0005);
    EXPECT_DOUBLE_EQ(y.max, -3.9995);
}

TEST_F(AxisTest, NarrowDataIsWidenedAroundItsCentre) {
    Add({1000.0, 1000.5}, {0.0, 1.0});
    const ValueExtent x = axis.ComputeXRange();
    EXPECT_DOUBLE_EQ(x.min, 1000.25 - 1000.5e-3 / 2);
    EXPECT_DOUBLE_EQ(x.max, 1000.25 + 1000.5e-3 / 2);
}

TEST_F(AxisTest, HiddenSeriesWidenTheRangeAndBandsDoNot) {
    Add({0.0, 1.0}, {0.0, 1.0});
    Add({5.0, 6.0}, {-2.0, 7.0}).hidden = 1;
    Add({-100.0, 100.0}, {-50.0, 50.0}).markerKind = CAutoSeries::MarkerBands;
    const ValueExtent x = axis.ComputeXRange();
    const ValueExtent y = axis.ComputeYRange();
    EXPECT_DOUBLE_EQ(x.min, 0.0);
    EXPECT_DOUBLE_EQ(x.max, 6.0);
    EXPECT_DOUBLE_EQ(y.min, -2.0);
    EXPECT_DOUBLE_EQ(y.max, 7.0);
}

TEST_F(AxisTest, NonFiniteValuesDoNotEnterTheRange) {
    Add({1.0, kNaN, kInf, -kInf, 3.0}, {kNaN, 2.0, 4.0, kInf, kNaN});
    const ValueExtent x = axis.ComputeXRange();
    const ValueExtent y = axis.ComputeYRange();
    EXPECT_DOUBLE_EQ(x.min, 1.0);
    EXPECT_DOUBLE_EQ(x.max, 3.0);
    EXPECT_DOUBLE_EQ(y.min, 2.0);
    EXPECT_DOUBLE_EQ(y.max, 4.0);
}

TEST_F(AxisTest, TheRangeIsComputedOncePerPass) {
    Add({0.0, 1.0}, {0.0, 1.0});
    axis.ComputeXRange();
    xs[0][1] = 50.0;
    EXPECT_DOUBLE_EQ(axis.ComputeXRange().max, 1.0);
    axis.xRangeCached = false;
    EXPECT_DOUBLE_EQ(axis.ComputeXRange().max, 50.0);
}

TEST_F(AxisTest, LogFlagsShowLogarithms) {
    Add({10.0, 1000.0}, {1.0, 100.0});
    axis.flags = CAutoCoordObject::kFlagLogX;
    const ValueExtent x = axis.ComputeXRange();
    EXPECT_DOUBLE_EQ(x.min, 1.0);
    EXPECT_DOUBLE_EQ(x.max, 3.0);
    EXPECT_DOUBLE_EQ(axis.ComputeYRange().max, 100.0);
}

struct NiceTicksCase {
    const char* name;
    double min, max, m, n;
    bool autoScale;
    double shift;
    double step, first, last, newMin, newMax;
};

class NiceTicks : public testing::TestWithParam<NiceTicksCase> {};

TEST_P(NiceTicks, PicksStepAndEnds) {
    const NiceTicksCase& c = GetParam();
    double min = c.min, max = c.max, step = -1, first = -1, last = -1;
    CAutoAxis::NiceTicks(min, max, step, first, last, c.m, c.n, c.autoScale, c.shift);
    EXPECT_DOUBLE_EQ(step, c.step);
    if (c.step == 0) return;
    EXPECT_NEAR(first, c.first, 1e-12);
    EXPECT_NEAR(last, c.last, 1e-12);
    EXPECT_NEAR(min, c.newMin, 1e-12);
    EXPECT_NEAR(max, c.newMax, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NiceTicks,
    testing::Values(
        // The worked example: 42 pixels give step 0.5 and no snapping (0.3 is more than a quarter
        // from 0), 49 pixels give step 1 and both ends snap out.
        NiceTicksCase{"HalfStepDoesNotSnap", 0.3, 9.7, 42, 600, true, 0, 0.5, 0.5, 9.5, 0.3, 9.7},
        NiceTicksCase{"WholeStepSnapsBothEnds", 0.3, 9.7, 49, 600, true, 0, 1, 0, 10, 0, 10},
        NiceTicksCase{"FixedRangeKeepsItsEnds", 0.3, 9.7, 49, 600, false, 0, 1, 1, 9, 0.3, 9.7},
        NiceTicksCase{"ShiftPreventsSnapping", 0.3, 9.7, 49, 600, true, 0.001, 1, 1, 9, 0.3, 9.7},
        NiceTicksCase{"FixedRangeToleratesOnePercent", 0.05, 0.95, 42, 600, false, 0, 0.05, 0.05, 0.95, 0.05, 0.95},
        NiceTicksCase{"StepOf2", 0, 100, 10, 600, true, 0, 2, 0, 100, 0, 100},
        NiceTicksCase{"StepOf2Point5", 0, 100, 15, 600, true, 0, 2.5, 0, 100, 0, 100},
        NiceTicksCase{"StepOf3", 0, 100, 17, 600, true, 0, 3, 0, 99, 0, 100},
        NiceTicksCase{"EmptyRange", 1, 1, 42, 600, true, 0, 0, 0, 0, 0, 0},
        NiceTicksCase{"ReversedRange", 2, 1, 42, 600, true, 0, 0, 0, 0, 0, 0},
        NiceTicksCase{"NaNRange", kNaN, 1, 42, 600, true, 0, 0, 0, 0, 0, 0},
        NiceTicksCase{"InfiniteRange", -kInf, kInf, 42, 600, true, 0, 0, 0, 0, 0, 0},
        NiceTicksCase{"OverflowingSpan", -1.7e308, 1.7e308, 42, 600, true, 0, 0, 0, 0, 0, 0},
        NiceTicksCase{"NoPixels", 0, 1, 42, 0, true, 0, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<NiceTicksCase>& info) { return std::string(info.param.name); });

TEST_F(AxisTest, WorkedExampleLaysOutTicksAtWholeNumbers) {
    Add({0.3, 9.7}, {0.0, 1.0});
    axis.rect = {0, 0, 600, 400};
    axis.UpdateRanges();
    const int32_t widest = axis.LayoutXTicks();
    EXPECT_DOUBLE_EQ(axis.xStep, 1.0);
    EXPECT_DOUBLE_EQ(axis.xMin, 0.0);
    EXPECT_DOUBLE_EQ(axis.xMax, 10.0);
    EXPECT_DOUBLE_EQ(axis.xFirstTick, 0.0);
    EXPECT_DOUBLE_EQ(axis.xLastTick, 10.0);
    EXPECT_EQ(widest, 14) << "\"10\" is the widest label";
}

TEST_F(AxisTest, FixedRangeKeepsItsEndsThroughLayout) {
    Add({0.3, 9.7}, {0.0, 1.0});
    axis.autoScaleX = false;
    axis.fixedXMin = 0.05;
    axis.fixedXMax = 0.95;
    axis.rect = {0, 0, 600, 400};
    axis.UpdateRanges();
    axis.LayoutXTicks();
    EXPECT_DOUBLE_EQ(axis.xMin, 0.05);
    EXPECT_DOUBLE_EQ(axis.xMax, 0.95);
    EXPECT_GE(axis.xFirstTick, 0.05 - axis.xStep * 0.01);
    EXPECT_LE(axis.xLastTick, 0.95 + axis.xStep * 0.01);
}

TEST_F(AxisTest, YTicksAreTwoTextHeightsApart) {
    Add({0.0, 1.0}, {1.0, 7.0});
    axis.rect = {0, 0, 600, 558};
    axis.UpdateRanges();
    // 24 of 558 pixels span 0.258: step 0.25, both ends already on ticks.
    EXPECT_EQ(axis.LayoutYTicks(), 28) << "\"1.25\" is the widest label";
    EXPECT_DOUBLE_EQ(axis.yStep, 0.25);
    EXPECT_DOUBLE_EQ(axis.yFirstTick, 1.0);
    EXPECT_DOUBLE_EQ(axis.yLastTick, 7.0);
}

TEST_F(AxisTest, LayoutEndsWithoutCharacterWidthOrRange) {
    Add({kNaN}, {kNaN});
    canvas.metrics = {0, 0, 0};
    axis.autoScaleX = false;
    axis.fixedXMin = axis.fixedXMax = 1.0;
    axis.rect = {0, 0, 20000, 400};
    axis.UpdateRanges();
    EXPECT_EQ(axis.LayoutXTicks(), 0);
    EXPECT_EQ(axis.xStep, 0.0);
    EXPECT_EQ(axis.LayoutYTicks(), 0);
}

TEST_F(AxisTest, TickDistancesFollowTheTextHeight) {
    canvas.metrics.height = 12;
    axis.MeasureTicks();
    EXPECT_EQ(axis.tickLength, 4);
    EXPECT_EQ(axis.tickGap, 2);
    EXPECT_EQ(axis.labelGap, 2);
    canvas.metrics.height = 2;
    axis.MeasureTicks();
    EXPECT_EQ(axis.tickLength, 1);
    EXPECT_EQ(axis.tickGap, 1);
    EXPECT_EQ(axis.labelGap, 1);
}

}  // namespace
