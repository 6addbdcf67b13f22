// Tests of series drawing on a recording canvas: clipping, markers, bands and splines.
#include "RecordingCanvas.h"
#include "chart/CAutoSeries.h"
#include "chart/ChartMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// "LineTo 1 2 3 4": an operation with its arguments.
std::string Describe(const RecordedOp& op) {
    std::ostringstream text;
    text << op.name;
    for (int32_t a : op.args) text << ' ' << a;
    return text.str();
}

std::vector<std::string> Describe(const std::vector<RecordedOp>& ops) {
    std::vector<std::string> texts;
    for (const RecordedOp& op : ops) texts.push_back(Describe(op));
    return texts;
}

// A series on a 101 x 101 plot at the origin with both axes 0 .. 100, so that x maps to pixel x
// and y to pixel 100 - y.
class SeriesTest : public testing::Test {
protected:
    void SetUp() override {
        series.rect = {0, 0, 101, 101};
        series.xMin = series.yMin = 0.0;
        series.xMax = series.yMax = 100.0;
        series.surface = &canvas;
    }

    void Use(std::vector<double> xValues, std::vector<double> yValues) {
        x = std::move(xValues);
        y = std::move(yValues);
        series.count = static_cast<int32_t>(x.size());
        series.xValues = x.data();
        series.yValues = y.data();
        series.UpdateMapping();
    }

    std::vector<RecordedOp> LinesAndDots() const {
        std::vector<RecordedOp> found;
        for (const RecordedOp& op : canvas.ops)
            if (op.name == "LineTo" || op.name == "Ellipse") found.push_back(op);
        return found;
    }

    CAutoSeries series;
    RecordingCanvas canvas;
    std::vector<double> x;
    std::vector<double> y;
};

TEST_F(SeriesTest, NewSeriesHasTheDefaults) {
    const CAutoSeries fresh;
    EXPECT_EQ(fresh.colour, 0u);
    EXPECT_EQ(fresh.count, 0);
    EXPECT_EQ(fresh.xValues, nullptr);
    EXPECT_DOUBLE_EQ(fresh.xIncrement, 1.0);
    EXPECT_DOUBLE_EQ(fresh.yIncrement, 1.0);
    EXPECT_EQ(fresh.markerKind, CAutoSeries::MarkerNone);
    EXPECT_EQ(fresh.markerSize, 4);
    EXPECT_EQ(fresh.lineKind, CAutoSeries::LinePolyline);
    EXPECT_EQ(fresh.splineSteps, 20);
    EXPECT_EQ(fresh.hidden, 0);
    EXPECT_EQ(fresh.lastInside, 1);
    EXPECT_TRUE(fresh.autoScaleX);
}

TEST_F(SeriesTest, AccessorsFollowArraysGeneratorsAndLogFlags) {
    series.count = 3;
    series.xStart = 2.0;
    series.xIncrement = 0.5;
    series.yStart = 10.0;
    series.yIncrement = 45.0;
    series.UpdateMapping();
    EXPECT_DOUBLE_EQ(series.getX(series, 2), 3.0);
    EXPECT_DOUBLE_EQ(series.getY(series, 2), 100.0);
    series.flags = CAutoCoordObject::kFlagLogY;
    series.UpdateMapping();
    EXPECT_DOUBLE_EQ(series.getY(series, 2), 2.0);
    Use({7.0, 8.0}, {1000.0, 1.0});
    EXPECT_DOUBLE_EQ(series.getX(series, 1), 8.0);
    EXPECT_DOUBLE_EQ(series.getY(series, 0), 3.0);
    series.autoScaleX = false;
    series.flags = CAutoCoordObject::kFlagPolar;
    series.UpdateMapping();
    EXPECT_EQ(series.mapX, &CAutoCoordObject::MapPolarX);
    EXPECT_TRUE(series.autoScaleX);
}

struct SegmentCase {
    const char* name;
    double x0, y0, x1, y1;
    std::vector<std::string> expected;
};

class Clipping : public SeriesTest, public testing::WithParamInterface<SegmentCase> {};

TEST_P(Clipping, DrawsTheVisiblePartOnly) {
    const SegmentCase& c = GetParam();
    Use({c.x0, c.x1}, {c.y0, c.y1});
    series.DrawPolyline();
    EXPECT_EQ(Describe(LinesAndDots()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Clipping,
    testing::Values(SegmentCase{"ShortInside", 10, 50, 20, 50, {"LineTo 10 50 20 50"}},
                    SegmentCase{"LongInsideGetsADot", 10, 50, 30, 50, {"LineTo 10 50 30 50", "Ellipse 28 48 33 53"}},
                    SegmentCase{"LeavingEndsOnTheRightEdge", 90, 50, 200, 50, {"LineTo 90 50 100 50"}},
                    SegmentCase{"EnteringStartsOnTheLeftEdge", -50, 50, 5, 50, {"LineTo 0 50 5 50"}},
                    SegmentCase{"LeavingThroughTheTop", 50, 50, 70, 150, {"LineTo 50 50 60 0"}},
                    SegmentCase{"LeavingThroughTheBottom", 50, 50, 70, -50, {"LineTo 50 50 60 100"}},
                    SegmentCase{"BothOutsideIsNotDrawn", -50, 50, 200, 50, {}},
                    SegmentCase{"SamePixelIsNotDrawn", 10, 10, 10.2, 10, {}},
                    SegmentCase{"InfinityEndsOnTheEdge", 50, 50, 50, kInf, {"LineTo 50 50 50 0"}}),
    [](const testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

TEST_F(SeriesTest, ClipSegmentReportsWhetherTheEndWasInside) {
    series.lastPoint = {50, 50};
    series.lastInside = 1;
    ChartPoint p{150, 50};
    EXPECT_FALSE(series.ClipSegment(p));
    EXPECT_EQ(p, (ChartPoint{100, 50}));
    series.lastPoint = {-10, 50};
    series.lastInside = 0;
    p = {50, 50};
    EXPECT_TRUE(series.ClipSegment(p));
    EXPECT_EQ(series.lastPoint, (ChartPoint{0, 50}));
    EXPECT_EQ(p, (ChartPoint{50, 50}));
}

TEST_F(SeriesTest, NaNPointsLeaveAGapInTheLine) {
    Use({10, 20, kNaN, 40, 50}, {10, 20, 30, 40, 50});
    series.DrawPolyline();
    EXPECT_EQ(Describe(LinesAndDots()), (std::vector<std::string>{"LineTo 10 90 20 80", "LineTo 40 60 50 50"}));
}

struct MarkerCase {
    const char* name;
    int32_t kind;
    double x, y;
    std::vector<std::string> expected;
    int32_t partnerCount = 1;
};

class Markers : public SeriesTest, public testing::WithParamInterface<MarkerCase> {};

TEST_P(Markers, AreDrawnAroundThePointInsideThePlot) {
    const MarkerCase& c = GetParam();
    CAutoSeries partner;
    const std::vector<double> partnerX{50.0};
    const std::vector<double> partnerY{10.0};
    partner.count = c.partnerCount;
    partner.xValues = partnerX.data();
    partner.yValues = partnerY.data();
    partner.UpdateMapping();
    Use({c.x}, {c.y});
    series.markerKind = c.kind;
    series.partner = &partner;
    series.DrawMarkers();
    EXPECT_EQ(Describe(canvas.ops), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Markers,
    testing::Values(
        MarkerCase{"None", CAutoSeries::MarkerNone, 50, 50, {}},
        MarkerCase{"Circle", CAutoSeries::MarkerCircle, 50, 50, {"Ellipse 46 46 55 55"}},
        MarkerCase{
            "DiagonalCross", CAutoSeries::MarkerDiagonalCross, 50, 50, {"LineTo 46 46 55 55", "LineTo 54 46 45 55"}},
        MarkerCase{
            "UprightCross", CAutoSeries::MarkerUprightCross, 50, 50, {"LineTo 50 46 50 55", "LineTo 46 50 55 50"}},
        MarkerCase{"Square", CAutoSeries::MarkerSquare, 50, 50, {"Rectangle 46 46 55 55"}},
        // The partner's point lies 40 pixels below: a line from the circle's lower edge and a head.
        MarkerCase{"ArrowToPartner",
                   CAutoSeries::MarkerArrow,
                   50,
                   50,
                   {"Ellipse 46 46 55 55", "LineTo 50 54 50 90", "LineTo 50 90 48 78", "LineTo 50 90 52 78"}},
        MarkerCase{
            "ShortArrowHasNoHead", CAutoSeries::MarkerArrow, 50, 15, {"Ellipse 46 81 55 90", "LineTo 50 89 50 90"}},
        // A partner without this point: the arrow goes to the surface's origin.
        MarkerCase{"ArrowBeyondThePartnersPoints",
                   CAutoSeries::MarkerArrow,
                   50,
                   50,
                   {"Ellipse 46 46 55 55", "LineTo 50 46 0 0", "LineTo 0 0 -2 12", "LineTo 0 0 2 12"},
                   0},
        MarkerCase{"OutsideThePlot", CAutoSeries::MarkerCircle, 150, 50, {}},
        MarkerCase{"NaNPoint", CAutoSeries::MarkerCircle, kNaN, 50, {}}),
    [](const testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.name); });

TEST_F(SeriesTest, BandsFillThePlotHeightAndMarkTheirOverlaps) {
    const std::vector<int32_t> kinds{0, 1, 2, 3};
    Use({20, 40, -50, 200}, {60, 80, 10, 300});
    series.markerKind = CAutoSeries::MarkerBands;
    series.bandKinds = kinds.data();
    series.DrawMarkers();
    const std::vector<RecordedOp> bands = canvas.Ops("Rectangle");
    EXPECT_EQ(Describe(bands), (std::vector<std::string>{"Rectangle 20 102 60 0", "Rectangle 40 102 80 0",
                                                         "Rectangle 0 102 10 0", "Rectangle 40 102 60 0"}));
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].brushColour, 0xFFFFC2u);
    EXPECT_EQ(bands[1].brushColour, 0xA2FFFFu);
    EXPECT_EQ(bands[2].brushColour, 0xC5C5C5u);
    EXPECT_EQ(bands[3].brushColour, 0xC5C5FFu) << "the overlap";
    for (const RecordedOp& band : bands) EXPECT_EQ(band.penStyle, PenNull);
}

TEST_F(SeriesTest, BandsWithoutKindsUseTheDefaultColourAndUndefinedBandsAreLeftOut) {
    Use({20, 70, kNaN, 40}, {30, 90, 50, kNaN});
    series.markerKind = CAutoSeries::MarkerBands;
    series.DrawMarkers();
    const std::vector<RecordedOp> bands = canvas.Ops("Rectangle");
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[1].brushColour, 0xFFFFC2u);
}

// Checks that the drawn line is one connected path and that every point's pixel is on it.
void ExpectConnectedThrough(const RecordingCanvas& canvas, const CAutoSeries& s) {
    const std::vector<RecordedOp> lines = canvas.Ops("LineTo");
    ASSERT_GT(lines.size(), static_cast<size_t>(s.count));
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].args[0], lines[i - 1].args[2]) << "segment " << i;
        EXPECT_EQ(lines[i].args[1], lines[i - 1].args[3]) << "segment " << i;
    }
    for (int32_t k = 0; k < s.count; ++k) {
        const double x = s.getX(s, k);
        const double y = s.getY(s, k);
        const ChartPoint p{s.mapX(s, x, y), s.mapY(s, x, y)};
        const bool onPath = std::any_of(lines.begin(), lines.end(), [&](const RecordedOp& op) {
            return (op.args[0] == p.x && op.args[1] == p.y) || (op.args[2] == p.x && op.args[3] == p.y);
        });
        EXPECT_TRUE(onPath) << "point " << k << " at " << p.x << "," << p.y;
    }
}

TEST_F(SeriesTest, SplineOverIncreasingXFollowsAParabolaExactly) {
    // Knots on y = x^2 / 100 at uneven spacing: every piece reproduces that parabola.
    Use({0, 20, 45, 70, 100}, {0, 4, 20.25, 49, 100});
    series.DrawSpline();
    ExpectConnectedThrough(canvas, series);
    // Rounding x to a pixel moves y by at most half the slope (2 at most), plus half a pixel.
    for (const RecordedOp& op : canvas.Ops("LineTo")) {
        const double px = op.args[2];
        EXPECT_NEAR(op.args[3], 100 - px * px / 100, 1.5) << "at x " << px;
    }
}

TEST_F(SeriesTest, SplinePassesThroughEveryPointInBothModes) {
    Use({0, 20, 45, 70, 100}, {10, 60, 30, 80, 20});
    series.DrawSpline();
    ExpectConnectedThrough(canvas, series);

    canvas.ops.clear();
    Use({10, 80, 90, 30, 50, 20}, {10, 20, 70, 80, 40, 60});
    series.DrawSpline();
    ExpectConnectedThrough(canvas, series);
}

TEST_F(SeriesTest, ThreePointSplineIsTheirParabola) {
    Use({0, 50, 100}, {0, 25, 100});
    series.DrawSpline();
    ExpectConnectedThrough(canvas, series);
    const std::vector<RecordedOp> lines = canvas.Ops("LineTo");
    // Halfway to the middle point the parabola y = x^2 / 100 is at 6.25, pixel row 94.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const RecordedOp& op) { return op.args[2] == 25 && op.args[3] == 94; }));

    canvas.ops.clear();
    Use({0, 100, 0}, {0, 50, 100});
    series.DrawSpline();
    ExpectConnectedThrough(canvas, series);
}

TEST_F(SeriesTest, SplineWithNonFiniteValuesStaysInsideThePlot) {
    Use({0, 20, kNaN, 70, 100, 110}, {10, kInf, 30, 80, 20, kNaN});
    series.DrawSpline();
    series.DrawPolyline();
    for (const RecordedOp& op : canvas.Ops("LineTo")) {
        EXPECT_TRUE(PtInRect(series.rect, {op.args[0], op.args[1]})) << Describe(op);
        EXPECT_TRUE(PtInRect(series.rect, {op.args[2], op.args[3]})) << Describe(op);
    }
}

}  // namespace
