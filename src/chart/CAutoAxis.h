// The axes of a chart: its series, automatic ranges, rounded tick steps with their layout against
// the label widths, and the axis styling (colours, grid and frame style, tick distances in pixels).
#pragma once

#include "chart/CAutoCoordObject.h"
#include "chart/CAutoSeries.h"

#include <cstdint>
#include <vector>

class CAutoAxis : public CAutoCoordObject {
public:
    static constexpr int32_t kStyleVerticalGrid = 1;
    static constexpr int32_t kStyleHorizontalGrid = 2;
    static constexpr int32_t kStyleTicksAllSides = 4;  // also closes the frame
    static constexpr int32_t kStyleClosedFrame = 8;

    // What an axis shows with nothing to range over: a run's first half hour, and ten units up.
    static constexpr ValueExtent kNoDataXRange{0.0, 30.0};
    static constexpr ValueExtent kNoDataYRange{0.0, 10.0};

    // The automatic x range of this drawing pass: the cached range once computed; kNoDataXRange (not
    // cached) without series; else the extent of all series (hidden ones too, bands never),
    // widened to at least max(|min|, |max|) * 10^-xDigits, or kNoDataXRange when no series has a
    // finite x; stored into xMin, xMax and cached.
    ValueExtent ComputeXRange();
    ValueExtent ComputeYRange();
    // Sets the ranges in use: the automatic ranges where the auto flag is set, else the fixed ones.
    void UpdateRanges();

    // Picks a rounded step for ticks at least m of n pixels apart, and the first and last tick.
    // With autoScale and a shift below 1e-5, an end within half a step of a tick snaps out to it
    // (min and max change). A range that is empty, reversed or not finite gets step 0 and no ticks.
    static void NiceTicks(double& min, double& max, double& step, double& first, double& last, double m, double n,
                          bool autoScale, double shift);
    // Widest tick label in pixels in the surface's selected font; 0 without ticks.
    int32_t MaxLabelWidth(double first, double last, double step) const;
    // Lays out the x ticks so that labels fit between ticks (axis font selected on surface);
    // returns the widest label's width.
    int32_t LayoutXTicks();
    // Lays out the y ticks at least two text heights apart; returns the widest label's width.
    int32_t LayoutYTicks();
    // Derives tickLength, tickGap and labelGap (each at least 1) from the selected font's height.
    void MeasureTicks();

    int32_t xDigits = 3;
    int32_t yDigits = 3;
    std::vector<CAutoSeries> series;
    Colour axisColour = 0;
    Colour gridColour = 0xBFBFBF;
    Colour plotBackground = 0xFFFFFF;
    int32_t axisWidth = 0;
    int32_t style = kStyleVerticalGrid | kStyleHorizontalGrid | kStyleClosedFrame;
    double xStep = 1.0;
    double yStep = 1.0;
    double xFirstTick = 0.0;
    double xLastTick = 0.0;
    double yFirstTick = 0.0;
    double yLastTick = 0.0;
    bool xRangeCached = false;
    bool yRangeCached = false;
    int32_t tickLength = 4;
    int32_t tickGap = 2;
    int32_t labelGap = 2;
    FontDescription axisFont{12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial"};

private:
    ValueExtent ComputeRange(ValueExtent (CAutoSeries::*extent)() const, int32_t digits, ValueExtent noData,
                             bool& cached, double& min, double& max);
};
