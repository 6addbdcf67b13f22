// One data series of a chart: where its points come from (arrays it does not own, or generated
// values), how they are drawn (markers, vertical bands, a polyline or an interpolating curve), and
// the drawing of those through the series' own maps. Values are in data units; the maps work in
// axis units (log10 of the data on a log axis).
#pragma once

#include "chart/CAutoCoordObject.h"

#include <cstdint>

class CAutoSeries;

// Value of point i of a series.
using ValueAccessor = double (*)(const CAutoSeries& series, int32_t index);

// Smallest and largest value of a series on one axis.
struct ValueExtent {
    double min = 0.0;
    double max = 0.0;
};

class CAutoSeries : public CAutoCoordObject {
public:
    enum Marker : int32_t {
        MarkerNone = 0,
        MarkerCircle = 1,
        MarkerDiagonalCross = 2,
        MarkerUprightCross = 3,
        MarkerSquare = 4,
        MarkerArrow = 5,  // a circle with an arrow to the partner's point
        MarkerBands = 6,  // each point is an x interval from getX to getY
    };
    enum Line : int32_t { LineNone = 0, LinePolyline = 1, LineSpline = 2 };

    CAutoSeries() { UpdateMapping(); }

    // Re-chooses maps and accessors from flags and from whether xValues / yValues are set, and
    // makes both ranges automatic again. Call after storing count, xValues and yValues.
    void UpdateMapping();

    // Extent over all points, ignoring NaN and infinite values; {+DBL_MAX, -DBL_MAX} when the
    // series has no point, no finite value, or draws bands.
    ValueExtent ExtentX() const;
    ValueExtent ExtentY() const;

    // Drawing, valid while surface and rect hold the panel's view and the series' pen is selected.
    // Markers of every point inside rect (or the bands of a band series).
    void DrawMarkers();
    // Straight lines through all points, clipped to rect; NaN points leave a gap.
    void DrawPolyline();
    // The interpolating curve through all points (count >= 3; three points give their parabola).
    void DrawSpline();
    // Continues the line to the point (x, y) in axis units; NaN lifts the pen until the next
    // point. A visible piece longer than 12 pixels across gets a 5 x 5 dot at its end.
    void LineToValue(double x, double y);
    // Clips the segment lastPoint -> p to rect, moving the ends that lie outside onto its edges.
    // Returns whether p lay inside rect before clipping.
    bool ClipSegment(ChartPoint& p);

    Colour colour = 0;
    int32_t count = 0;
    const double* xValues = nullptr;  // not owned; null: x is generated
    const double* yValues = nullptr;  // not owned; null: y is generated
    const int32_t* bandKinds = nullptr;  // not owned; colour class of each band, or null
    const CAutoSeries* partner = nullptr;  // not owned; arrow targets of MarkerArrow (point i to point i)
    double xStart = 0.0;
    double xIncrement = 1.0;
    double yStart = 0.0;
    double yIncrement = 1.0;
    int32_t markerKind = MarkerNone;
    int32_t penStyle = PenSolid;
    int32_t penWidth = 0;
    int32_t markerSize = 4;
    int32_t lineKind = LinePolyline;
    int32_t splineSteps = 20;
    ValueAccessor getX = nullptr;
    ValueAccessor getY = nullptr;
    int32_t hidden = 0;

private:
    ChartPoint PixelOf(double x, double y) const;
    void DrawMarker(int32_t index, ChartPoint p);
    void DrawBands();
    void DrawFunctionSpline();
    void DrawParametricSpline();

    bool penDown_ = false;  // lastPoint holds a drawn point that the next LineToValue continues from
};
