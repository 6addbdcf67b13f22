// The common base of the chart objects: a plot rectangle in device pixels, the value ranges of the
// two axes and the value-to-pixel maps, chosen per object at run time.
#pragma once

#include "chart/Canvas.h"

#include <cstdint>

class CAutoCoordObject;

// Maps a point (x, y in axis units) to one pixel coordinate.
using CoordMap = int32_t (*)(const CAutoCoordObject& object, double x, double y);

class CAutoCoordObject {
public:
    static constexpr int32_t kFlagPolar = 1;  // a point (a, r) lies at (cos(a)*r, sin(a)*r)
    static constexpr int32_t kFlagLogX = 2;  // x is shown as log10 of the data
    static constexpr int32_t kFlagLogY = 4;  // y is shown as log10 of the data

    // Linear maps: pixel of the value within rect, 0 when the range is empty. Non-finite results
    // are held at +-kFarPixel, so that NaN and infinities land far outside any surface.
    static int32_t MapX(const CAutoCoordObject& object, double x, double y);
    static int32_t MapY(const CAutoCoordObject& object, double x, double y);
    // The linear maps applied to cos(x)*y and sin(x)*y.
    static int32_t MapPolarX(const CAutoCoordObject& object, double x, double y);
    static int32_t MapPolarY(const CAutoCoordObject& object, double x, double y);

    // The axis value of a data value: log10 of it on a log axis, the value itself otherwise.
    double AxisXFromData(double x) const;
    double AxisYFromData(double y) const;
    // The inverse: 10^v on a log axis.
    double DataXFromAxis(double v) const;
    double DataYFromAxis(double v) const;
    // Sets the ranges in use to the fixed ranges (converted to axis units).
    void UseFixedXRange();
    void UseFixedYRange();

    int32_t flags = 0;
    ChartRect rect;
    Canvas* surface = nullptr;  // valid only while drawing
    bool autoScaleX = true;
    bool autoScaleY = true;
    double xMin = 0.0;  // ranges in use, axis units
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
    double fixedXMin = 0.0;  // ranges used while the auto flag is false, data units
    double fixedXMax = 0.0;
    double fixedYMin = 0.0;
    double fixedYMax = 0.0;
    int32_t xOffset = 0;  // pixels added by the maps
    int32_t yOffset = 0;
    ChartPoint lastPoint;  // previous point of the line being drawn
    int32_t lastInside = 1;
    CoordMap mapX = &MapX;
    CoordMap mapY = &MapY;
};
