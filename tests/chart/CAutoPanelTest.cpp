// Tests of the whole chart layout and drawing on a recording canvas with fixed font metrics.
#include "RecordingCanvas.h"
#include "chart/CalibrationChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The calibration chart over data 0.3 .. 9.7 (x) and 1 .. 7 (y), drawn into 1000 x 600 pixels.
class PanelTest : public testing::Test {
protected:
    void SetUp() override {
        SetUpCalibrationChart(panel, "Время,мин", "LG(MM)");
        ShowCalibration(panel, curveX, curveY, pointX, pointY);
    }

    void DrawAll() { panel.Draw(canvas, {0, 0, 1000, 600}, false); }

    std::vector<RecordedOp> TextsAt(uint32_t align) const {
        std::vector<RecordedOp> found;
        for (const RecordedOp& op : canvas.Ops("TextOut"))
            if (op.textAlign == align) found.push_back(op);
        return found;
    }

    CAutoPanel panel;
    RecordingCanvas canvas;
    std::vector<double> curveX{0.3, 9.7};
    std::vector<double> curveY{1.0, 7.0};
    std::vector<double> pointX{5.0};
    std::vector<double> pointY{4.0};
};

TEST_F(PanelTest, NewPanelHasTheDefaults) {
    const CAutoPanel fresh;
    EXPECT_EQ(fresh.style, 11);
    EXPECT_EQ(fresh.xDigits, 3);
    EXPECT_EQ(fresh.gridColour, 0xBFBFBFu);
    EXPECT_EQ(fresh.plotBackground, 0xFFFFFFu);
    EXPECT_EQ(fresh.outerBackground, 0xFFFFFFu);
    EXPECT_EQ(fresh.captionGap, 2);
    EXPECT_EQ(fresh.margin, 1);
    EXPECT_EQ(fresh.axisFont.height, 12);
    EXPECT_EQ(fresh.axisFont.weight, 400);
    EXPECT_EQ(fresh.axisFont.face, "Arial");
    EXPECT_EQ(fresh.captionFont.outPrecision, 7);
    EXPECT_EQ(fresh.captionFont.quality, 2);
    EXPECT_EQ(fresh.captionFont.pitchAndFamily, 2);
    EXPECT_TRUE(fresh.series.empty());
}

TEST_F(PanelTest, CalibrationChartIsStyledLikeTheWorkbench) {
    EXPECT_EQ(panel.style, 8);
    EXPECT_EQ(panel.captionColour, 0xFF0000u);
    EXPECT_EQ(panel.captionFont.height, 25);
    EXPECT_EQ(panel.captionFont.weight, 0);
    EXPECT_EQ(panel.captionFont.charSet, 204);
    ASSERT_EQ(panel.series.size(), 2u);
    EXPECT_EQ(panel.series[0].colour, 0x0000FFu);
    EXPECT_EQ(panel.series[0].lineKind, CAutoSeries::LinePolyline);
    EXPECT_EQ(panel.series[0].markerKind, CAutoSeries::MarkerNone);
    EXPECT_EQ(panel.series[1].colour, 0xFF0000u);
    EXPECT_EQ(panel.series[1].lineKind, CAutoSeries::LineNone);
    EXPECT_EQ(panel.series[1].markerKind, CAutoSeries::MarkerDiagonalCross);
    EXPECT_EQ(panel.series[0].count, 2);
    EXPECT_EQ(panel.series[1].xValues, pointX.data());
}

// Worked by hand with cell height 12, ascent 10 and 7 pixels a character: the captions take 12
// pixels at the left and bottom (plus the 2-pixel gap and the 1-pixel margin), the frame and
// labels leave the limit (20, 10, 999, 568); the first round finds y labels 28 wide ("1.25") and
// x labels 21 wide ("0.5"), so the plot moves to left 48 and right 988; the second round agrees.
TEST_F(PanelTest, FitLoopLeavesRoomForTheWidestLabels) {
    DrawAll();
    EXPECT_EQ(panel.rect, (ChartRect{48, 10, 988, 568}));
    const std::vector<RecordedOp> backgrounds = canvas.Ops("Rectangle");
    ASSERT_EQ(backgrounds.size(), 1u);
    EXPECT_EQ(backgrounds[0].args, (std::vector<int32_t>{48, 10, 988, 568}));
    EXPECT_EQ(backgrounds[0].penStyle, PenNull);
    EXPECT_EQ(backgrounds[0].brushColour, 0xFFFFFFu);
    EXPECT_FALSE(panel.xRangeCached);
    EXPECT_FALSE(panel.yRangeCached);
}

TEST_F(PanelTest, CaptionsSitAtTheBottomRightAndReadUpwardsAtTheTopLeft) {
    DrawAll();
    const std::vector<RecordedOp> horizontal = TextsAt(AlignRight | AlignBottom);
    ASSERT_EQ(horizontal.size(), 1u);
    EXPECT_EQ(horizontal[0].text, "Время,мин");
    EXPECT_EQ(horizontal[0].args, (std::vector<int32_t>{998, 599}));
    EXPECT_EQ(horizontal[0].font.escapement, 0);
    EXPECT_EQ(horizontal[0].textColour, 0xFF0000u);
    EXPECT_TRUE(horizontal[0].transparent);
    const std::vector<RecordedOp> vertical = TextsAt(AlignRight | AlignTop);
    ASSERT_EQ(vertical.size(), 1u);
    EXPECT_EQ(vertical[0].text, "LG(MM)");
    EXPECT_EQ(vertical[0].args, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(vertical[0].font.escapement, 900);
    EXPECT_EQ(vertical[0].font.orientation, 900);
    EXPECT_EQ(vertical[0].font.height, 25);
}

TEST_F(PanelTest, EmptyCaptionsTakeNoRoomButKeepTheGap) {
    panel.SetCaptions("", "");
    DrawAll();
    EXPECT_TRUE(TextsAt(AlignRight | AlignTop).empty());
    // 12 + 2 pixels less caption room on each side than with captions, the gap of 2 still kept.
    EXPECT_EQ(panel.rect.bottom, 580);
    EXPECT_EQ(panel.rect.left, 36);
}

TEST_F(PanelTest, TicksAreLabelledBelowAndLeftOfThePlot) {
    DrawAll();
    std::vector<std::string> xLabels;
    for (const RecordedOp& op : TextsAt(AlignCenter | AlignTop)) {
        xLabels.push_back(op.text);
        EXPECT_EQ(op.args[1], 573);
    }
    ASSERT_EQ(xLabels.size(), 19u);
    EXPECT_EQ(xLabels.front(), "0.5");
    EXPECT_EQ(xLabels[1], "1");
    EXPECT_EQ(xLabels.back(), "9.5");
    const std::vector<RecordedOp> yLabels = TextsAt(AlignRight | AlignBaseline);
    ASSERT_EQ(yLabels.size(), 25u);
    EXPECT_EQ(yLabels.front().text, "1");
    EXPECT_EQ(yLabels.front().args, (std::vector<int32_t>{43, 567}));
    EXPECT_EQ(yLabels.back().text, "7");
    EXPECT_EQ(yLabels.back().args, (std::vector<int32_t>{43, 10}));
}

TEST_F(PanelTest, Style8ClosesTheFrameWithTicksOnlyLeftAndBottomAndNoGrid) {
    DrawAll();
    EXPECT_TRUE(canvas.Lines(panel.gridColour).empty());
    std::vector<RecordedOp> axisLines = canvas.Lines(panel.axisColour);
    ASSERT_GE(axisLines.size(), 4u);
    const std::vector<std::vector<int32_t>> frame{
        {47, 9, 47, 568}, {47, 568, 988, 568}, {988, 568, 988, 9}, {988, 9, 47, 9}};
    for (size_t i = 0; i < frame.size(); ++i) EXPECT_EQ(axisLines[i].args, frame[i]) << "frame side " << i;
    for (size_t i = frame.size(); i < axisLines.size(); ++i) {
        const std::vector<int32_t>& a = axisLines[i].args;
        const bool bottomTick = a[1] == 564 && a[3] == 571 && a[0] == a[2];
        const bool leftTick = a[0] == 51 && a[2] == 44 && a[1] == a[3];
        EXPECT_TRUE(bottomTick || leftTick) << a[0] << "," << a[1] << " -> " << a[2] << "," << a[3];
    }
}

TEST_F(PanelTest, DefaultStyleDrawsTheGridAndTicksOnAllSides) {
    panel.style = CAutoAxis::kStyleVerticalGrid | CAutoAxis::kStyleHorizontalGrid | CAutoAxis::kStyleTicksAllSides;
    DrawAll();
    const std::vector<RecordedOp> grid = canvas.Lines(panel.gridColour);
    EXPECT_FALSE(grid.empty());
    // Grid lines stop where the tick marks of the top and right edges begin.
    for (const RecordedOp& line : grid) {
        if (line.args[0] == line.args[2])
            EXPECT_EQ(line.args[1], panel.rect.top + panel.tickLength);
        else
            EXPECT_EQ(line.args[0], panel.rect.right - panel.tickLength - 1);
    }
    const std::vector<RecordedOp> axisLines = canvas.Lines(panel.axisColour);
    EXPECT_TRUE(std::any_of(axisLines.begin(), axisLines.end(), [&](const RecordedOp& op) {
        return op.args[1] == panel.rect.top - panel.tickGap - 1;
    })) << "ticks on the top edge";
}

TEST_F(PanelTest, SeriesAreDrawnInOrderWithTheirPens) {
    DrawAll();
    const std::vector<RecordedOp> curve = canvas.Lines(0x0000FF);
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve[0].args, (std::vector<int32_t>{panel.rect.left + 0, 567, 987, 10}))
        << "from (0.3, 1) at the bottom-left to (9.7, 7) at the top-right of the plot";
    const std::vector<RecordedOp> crosses = canvas.Lines(0xFF0000);
    EXPECT_EQ(crosses.size(), 2u);
    EXPECT_TRUE(crosses[0].nullBrush);
    EXPECT_FALSE(panel.series[0].autoScaleX);
    EXPECT_DOUBLE_EQ(panel.series[0].yMax, panel.yMax);
    EXPECT_EQ(panel.series[1].rect, panel.rect);
}

TEST_F(PanelTest, HiddenSeriesAreNotDrawn) {
    panel.series[0].hidden = 1;
    DrawAll();
    EXPECT_TRUE(canvas.Lines(0x0000FF).empty());
    EXPECT_EQ(canvas.Lines(0xFF0000).size(), 2u);
}

TEST_F(PanelTest, SinglePointShowsItsMarkerButNoLine) {
    panel.series[0].count = 1;
    panel.series[0].markerKind = CAutoSeries::MarkerCircle;
    DrawAll();
    EXPECT_TRUE(canvas.Lines(0x0000FF).empty());
    EXPECT_EQ(canvas.Ops("Ellipse").size(), 1u);
}

TEST_F(PanelTest, CurveKindNeedsThreePoints) {
    panel.series[0].lineKind = CAutoSeries::LineSpline;
    DrawAll();
    EXPECT_EQ(canvas.Lines(0x0000FF).size(), 1u) << "two points: a straight line";
    canvas.ops.clear();
    curveX = {0.3, 2.0, 9.7};
    curveY = {1.0, 5.0, 7.0};
    ShowCalibration(panel, curveX, curveY, pointX, pointY);
    DrawAll();
    EXPECT_GT(canvas.Lines(0x0000FF).size(), 20u) << "three points: their parabola";
}

TEST_F(PanelTest, GridIsDrawnAgainOverBands) {
    panel.style = CAutoAxis::kStyleVerticalGrid;
    panel.series[1].markerKind = CAutoSeries::MarkerBands;
    DrawAll();
    size_t lastBand = 0, lastGrid = 0;
    for (size_t i = 0; i < canvas.ops.size(); ++i) {
        if (canvas.ops[i].name == "Rectangle" && canvas.ops[i].penStyle == PenNull && i > 0) lastBand = i;
        if (canvas.ops[i].name == "LineTo" && canvas.ops[i].penColour == panel.gridColour) lastGrid = i;
    }
    EXPECT_GT(lastBand, 0u);
    EXPECT_GT(lastGrid, lastBand);
}

TEST_F(PanelTest, PanelWithoutSeriesShowsBackgroundAndCaptionsOnly) {
    CAutoPanel empty;
    empty.SetCaptions("x", "y");
    empty.Draw(canvas, {0, 0, 300, 200}, false);
    std::vector<std::string> names;
    for (const RecordedOp& op : canvas.ops) names.push_back(op.name);
    EXPECT_EQ(names, (std::vector<std::string>{"FillRect", "TextOut", "TextOut"}));
    EXPECT_EQ(empty.xStep, 1.0);
}

TEST_F(PanelTest, TooSmallAreaShowsBackgroundAndCaptionsAndForgetsTheRange) {
    panel.Draw(canvas, {0, 0, 30, 30}, false);
    EXPECT_TRUE(canvas.Ops("Rectangle").empty());
    EXPECT_TRUE(canvas.Lines(0x0000FF).empty());
    EXPECT_FALSE(panel.xRangeCached) << "a range cached in an early stop would hide new data";
    curveX[1] = 19.7;
    DrawAll();
    EXPECT_DOUBLE_EQ(panel.xMax, 20.0);
}

TEST_F(PanelTest, OffScreenDrawingIsCopiedInOneTransfer) {
    panel.Draw(canvas, {10, 20, 510, 320}, true);
    ASSERT_EQ(canvas.compatibleSizes.size(), 1u);
    EXPECT_EQ(canvas.compatibleSizes[0].cx, 500);
    EXPECT_EQ(canvas.compatibleSizes[0].cy, 300);
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].name, "Copy");
    EXPECT_EQ(canvas.ops[0].args, (std::vector<int32_t>{10, 20}));
    ASSERT_FALSE(canvas.copied.empty());
    EXPECT_EQ(canvas.copied[0].name, "FillRect");
    EXPECT_EQ(canvas.copied[0].args, (std::vector<int32_t>{0, 0, 500, 300}));
}

TEST_F(PanelTest, NonFiniteDataDrawsWithoutFault) {
    curveX = {kNaN, kInf, -kInf, 1.0};
    curveY = {kNaN, 1.0, kInf, kNaN};
    pointX = {kNaN};
    pointY = {kInf};
    ShowCalibration(panel, curveX, curveY, pointX, pointY);
    DrawAll();
    EXPECT_TRUE(std::isfinite(panel.xMin) && std::isfinite(panel.xMax));
    EXPECT_TRUE(std::isfinite(panel.yMin) && std::isfinite(panel.yMax));
    for (const RecordedOp& op : canvas.Ops("LineTo")) {
        for (int32_t v : op.args) EXPECT_LT(std::abs(v), 1000) << "every line stays on the surface";
    }
}

TEST_F(PanelTest, TheCalibrationChartWithoutPointsIsLabelledZeroToThirtyAndZeroToTen) {
    ShowCalibration(panel, {}, {}, {}, {});
    DrawAll();
    const std::vector<std::string> x = canvas.TextsAligned(AlignCenter | AlignTop);
    const std::vector<std::string> y = canvas.TextsAligned(AlignRight | AlignBaseline);
    ASSERT_FALSE(x.empty());
    ASSERT_FALSE(y.empty());
    EXPECT_EQ(x.front(), "0");
    EXPECT_EQ(x.back(), "30");
    EXPECT_EQ(y.front(), "0");
    EXPECT_EQ(y.back(), "10");
    for (const std::string& label : x) EXPECT_LE(label.size(), 4u) << label;
    for (const std::string& label : y) EXPECT_LE(label.size(), 4u) << label;
    EXPECT_EQ(canvas.Ops("Rectangle").size(), 1u) << "the plot's background, and no markers";
}

TEST_F(PanelTest, NonFiniteFixedRangesDrawNoTicks) {
    panel.autoScaleX = false;
    panel.fixedXMin = -kInf;
    panel.fixedXMax = kNaN;
    DrawAll();
    EXPECT_EQ(panel.xStep, 0.0);
    EXPECT_TRUE(TextsAt(AlignCenter | AlignTop).empty());
}

TEST_F(PanelTest, CaptionsAreCutTo255Utf16Units) {
    std::string cyrillic;
    std::string emoji;
    for (int i = 0; i < 300; ++i) cyrillic += "Ж";
    for (int i = 0; i < 200; ++i) emoji += "\xF0\x9F\x93\x88";
    panel.SetCaptions(cyrillic, emoji);
    EXPECT_EQ(panel.xCaption.size(), 255u * 2);
    EXPECT_EQ(panel.yCaption.size(), 127u * 4) << "a pair of units that would not fit is left out whole";
}

}  // namespace
