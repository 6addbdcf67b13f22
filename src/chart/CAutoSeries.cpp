// A chart series: accessors, extents, markers, bands, clipped polylines and interpolating curves.
#include "chart/CAutoSeries.h"

#include "chart/ChartMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

double ArrayX(const CAutoSeries& s, int32_t i) { return s.xValues[i]; }
double ArrayY(const CAutoSeries& s, int32_t i) { return s.yValues[i]; }
double GeneratedX(const CAutoSeries& s, int32_t i) { return s.xStart + i * s.xIncrement; }
double GeneratedY(const CAutoSeries& s, int32_t i) { return s.yStart + i * s.yIncrement; }

template <ValueAccessor Raw>
double Log10Of(const CAutoSeries& s, int32_t i) {
    return std::log10(Raw(s, i));
}

ValueAccessor ChooseAccessor(bool fromArray, bool logarithmic, ValueAccessor array, ValueAccessor generated,
                             ValueAccessor logArray, ValueAccessor logGenerated) {
    if (logarithmic) return fromArray ? logArray : logGenerated;
    return fromArray ? array : generated;
}

// Band fill colours by band kind; other kinds get the first.
constexpr Colour kBandColours[] = {0xFFFFC2, 0xA2FFFF, 0xC5C5C5, 0xC5C5FF};
constexpr Colour kBandOverlapColour = 0xC5C5FF;

int32_t Sign(int32_t v) { return (v > 0) - (v < 0); }

// Moves `moving` along the segment to `other` until its coordinate `along` equals edge; `across` is
// the other coordinate. A segment lying on the edge needs no move.
void MoveOntoEdge(ChartPoint& moving, const ChartPoint& other, int32_t ChartPoint::*along, int32_t ChartPoint::*across,
                  int32_t edge) {
    const int32_t span = other.*along - moving.*along;
    if (span != 0) moving.*across += MulDiv(edge - moving.*along, other.*across - moving.*across, span);
    moving.*along = edge;
}

// Clips the segment a-b against one edge line when its ends lie on different sides of it (or one
// on it); the end on the outer side moves (the smaller coordinate for a low edge).
void ClipAgainst(ChartPoint& a, ChartPoint& b, int32_t ChartPoint::*along, int32_t ChartPoint::*across, int32_t edge,
                 bool lowEdge) {
    if (Sign(a.*along - edge) * Sign(b.*along - edge) > 0) return;
    const bool aMoves = lowEdge ? (a.*along < b.*along) : (a.*along > b.*along);
    if (aMoves)
        MoveOntoEdge(a, b, along, across, edge);
    else
        MoveOntoEdge(b, a, along, across, edge);
}

}  // namespace

void CAutoSeries::UpdateMapping() {
    getX = ChooseAccessor(xValues != nullptr, flags & kFlagLogX, &ArrayX, &GeneratedX, &Log10Of<ArrayX>,
                          &Log10Of<GeneratedX>);
    getY = ChooseAccessor(yValues != nullptr, flags & kFlagLogY, &ArrayY, &GeneratedY, &Log10Of<ArrayY>,
                          &Log10Of<GeneratedY>);
    const bool polar = flags & kFlagPolar;
    mapX = polar ? &MapPolarX : &MapX;
    mapY = polar ? &MapPolarY : &MapY;
    autoScaleX = true;
    autoScaleY = true;
}

namespace {

// value(i) over all points of a series, skipping values that are not finite.
template <typename Value>
ValueExtent ExtentOf(const CAutoSeries& s, Value value) {
    ValueExtent extent{std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    if (s.markerKind == CAutoSeries::MarkerBands) return extent;
    for (int32_t i = 0; i < s.count; ++i) {
        const double v = value(i);
        if (!std::isfinite(v)) continue;
        extent.min = std::min(extent.min, v);
        extent.max = std::max(extent.max, v);
    }
    return extent;
}

}  // namespace

ValueExtent CAutoSeries::ExtentX() const {
    const bool polar = flags & kFlagPolar;
    return ExtentOf(*this,
                    [&](int32_t i) { return polar ? std::cos(getX(*this, i)) * getY(*this, i) : getX(*this, i); });
}

ValueExtent CAutoSeries::ExtentY() const {
    const bool polar = flags & kFlagPolar;
    return ExtentOf(*this,
                    [&](int32_t i) { return polar ? std::sin(getX(*this, i)) * getY(*this, i) : getY(*this, i); });
}

ChartPoint CAutoSeries::PixelOf(double x, double y) const { return {mapX(*this, x, y), mapY(*this, x, y)}; }

void CAutoSeries::DrawMarkers() {
    if (markerKind == MarkerNone) return;
    if (markerKind == MarkerBands) {
        DrawBands();
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        const double x = getX(*this, i);
        const double y = getY(*this, i);
        if (std::isnan(x) || std::isnan(y)) continue;
        const ChartPoint p = PixelOf(x, y);
        if (PtInRect(rect, p)) DrawMarker(i, p);
    }
}

void CAutoSeries::DrawMarker(int32_t index, ChartPoint p) {
    Canvas& canvas = *surface;
    const int32_t s = markerSize;
    switch (markerKind) {
    case MarkerCircle: canvas.Ellipse(p.x - s, p.y - s, p.x + s + 1, p.y + s + 1); break;
    case MarkerDiagonalCross:
        canvas.MoveTo(p.x - s, p.y - s);
        canvas.LineTo(p.x + s + 1, p.y + s + 1);
        canvas.MoveTo(p.x + s, p.y - s);
        canvas.LineTo(p.x - s - 1, p.y + s + 1);
        break;
    case MarkerUprightCross:
        canvas.MoveTo(p.x, p.y - s);
        canvas.LineTo(p.x, p.y + s + 1);
        canvas.MoveTo(p.x - s, p.y);
        canvas.LineTo(p.x + s + 1, p.y);
        break;
    case MarkerSquare: canvas.Rectangle(p.x - s, p.y - s, p.x + s + 1, p.y + s + 1); break;
    case MarkerArrow: {
        canvas.Ellipse(p.x - s, p.y - s, p.x + s + 1, p.y + s + 1);
        // A partner without a point of this index counts as no partner (its arrays end there).
        const bool hasTarget = partner && index < partner->count;
        const ChartPoint q =
            hasTarget ? PixelOf(partner->getX(*partner, index), partner->getY(*partner, index)) : ChartPoint{};
        const int32_t dir = p.y > q.y ? 1 : -1;
        const int64_t dist = std::abs(static_cast<int64_t>(p.y) - q.y);
        if (dist >= s) {
            canvas.MoveTo(p.x, p.y - dir * s);
            canvas.LineTo(q.x, q.y);
            if (dist >= 4 * static_cast<int64_t>(s)) {
                canvas.MoveTo(q.x, q.y);
                canvas.LineTo(q.x - 2, q.y + 3 * dir * s);
                canvas.MoveTo(q.x, q.y);
                canvas.LineTo(q.x + 2, q.y + 3 * dir * s);
            }
        }
        break;
    }
    default: break;
    }
}

void CAutoSeries::DrawBands() {
    Canvas& canvas = *surface;
    canvas.SelectPen(PenNull, 1, 0);
    // The band's left and right pixels as x and y of a point.
    const auto ends = [&](int32_t i) {
        const double x = getX(*this, i);
        const double y = getY(*this, i);
        return ChartPoint{mapX(*this, x, y), mapX(*this, y, y)};
    };
    // A band with an undefined end has no place on the axis.
    const auto visible = [&](int32_t i) {
        if (std::isnan(getX(*this, i)) || std::isnan(getY(*this, i))) return false;
        const ChartPoint band = ends(i);
        return (band.x > rect.left || band.y > rect.left) && (band.x < rect.right || band.y < rect.right);
    };
    const auto clamped = [&](ChartPoint band) {
        return ChartPoint{std::max(band.x, rect.left), std::min(band.y, rect.right)};
    };
    for (int32_t i = 0; i < count; ++i) {
        const int32_t kind = bandKinds ? bandKinds[i] : 0;
        canvas.SelectSolidBrush(kind >= 1 && kind <= 3 ? kBandColours[kind] : kBandColours[0]);
        if (visible(i)) {
            const ChartPoint c = clamped(ends(i));
            canvas.Rectangle(c.x, rect.bottom + 1, c.y, rect.top);
        }
    }
    canvas.SelectSolidBrush(kBandOverlapColour);
    for (int32_t i = 0; i + 1 < count; ++i) {
        if (!visible(i)) continue;
        const ChartPoint a = clamped(ends(i));
        for (int32_t j = i + 1; j < count; ++j) {
            if (!visible(j)) continue;
            const ChartPoint b = clamped(ends(j));
            if (a.x < b.x && b.x < a.y)
                canvas.Rectangle(b.x, rect.bottom + 1, std::min(b.y, a.y), rect.top);
            else if (b.x < a.x && a.x < b.y)
                canvas.Rectangle(a.x, rect.bottom + 1, std::min(a.y, b.y), rect.top);
        }
    }
}

void CAutoSeries::DrawPolyline() {
    penDown_ = false;
    for (int32_t i = 0; i < count; ++i) LineToValue(getX(*this, i), getY(*this, i));
}

void CAutoSeries::LineToValue(double x, double y) {
    if (std::isnan(x) || std::isnan(y)) {
        penDown_ = false;
        return;
    }
    ChartPoint p = PixelOf(x, y);
    if (!penDown_) {
        // The first point of a line (or the first after a gap) only places the pen.
        penDown_ = true;
        lastPoint = p;
        lastInside = PtInRect(rect, p);
        surface->MoveTo(p.x, p.y);
        return;
    }
    if (p == lastPoint) return;
    const ChartPoint unclipped = p;
    const bool inside = ClipSegment(p);
    if (lastInside || inside) {
        if (!lastInside) surface->MoveTo(lastPoint.x, lastPoint.y);
        surface->LineTo(p.x, p.y);
        if (std::abs(static_cast<int64_t>(p.x) - lastPoint.x) > 12)
            surface->Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
    }
    lastPoint = unclipped;
    lastInside = inside;
}

bool CAutoSeries::ClipSegment(ChartPoint& p) {
    const bool inside = PtInRect(rect, p);
    if (lastInside && inside) return inside;
    ClipAgainst(lastPoint, p, &ChartPoint::y, &ChartPoint::x, rect.top, true);
    ClipAgainst(lastPoint, p, &ChartPoint::y, &ChartPoint::x, rect.bottom - 1, false);
    ClipAgainst(lastPoint, p, &ChartPoint::x, &ChartPoint::y, rect.left, true);
    ClipAgainst(lastPoint, p, &ChartPoint::x, &ChartPoint::y, rect.right - 1, false);
    return inside;
}

namespace {

struct Knot {
    double x = 0.0;
    double y = 0.0;
};

// Coefficients of the parabola through three values q0, q1, q2 taken at the parameters -1, 0, 1:
// q(s) = q1 + b*s + a*s*s.
struct Parabola {
    double a = 0.0;
    double b = 0.0;
};

Parabola ParabolaThrough(double q0, double q1, double q2) { return {(q0 + q2) / 2 - q1, (q2 - q0) / 2}; }

// The same parabola with the parameter 0 at q0 and 1 at q1 (the trailing form): q(s) = q0 + b*s + a*s*s.
Parabola TrailingParabola(double q0, double q1, double q2) { return {(q0 + q2) / 2 - q1, 2 * q1 - (3 * q0 + q2) / 2}; }

// Leading coefficient of the parabola y(x) through three knots with distinct x.
double Curvature(Knot p0, Knot p1, Knot p2) {
    const double h0 = p1.x - p0.x;
    const double h1 = p2.x - p1.x;
    return (h0 * (p2.y - p1.y) - h1 * (p1.y - p0.y)) / (h0 * h1 * (p2.x - p0.x));
}

// Slope at p1 of the parabola with that curvature through p1 and p2: y = p1.y + t * (slope + curvature * t).
double SlopeFrom(Knot p1, Knot p2, double curvature) {
    const double h = p2.x - p1.x;
    return (p2.y - p1.y) / h - curvature * h;
}

// Walks the pieces of a spline through count >= 3 knots: leading(P0, P1, P2) up to the second knot,
// middle(P[i-1], P[i], P[i+1], P[i+2]) from each inner knot to the next, and trailing(P1, P2, P3)
// to the last knot. Three knots have no middle piece.
template <typename KnotAt, typename Leading, typename Middle, typename Trailing>
void WalkSpline(int32_t count, KnotAt knot, Leading leading, Middle middle, Trailing trailing) {
    if (count == 3) {
        leading(knot(0), knot(1), knot(2));
        trailing(knot(0), knot(1), knot(2));
        return;
    }
    for (int32_t i = 1; i <= count - 3; ++i) {
        const Knot p0 = knot(i - 1), p1 = knot(i), p2 = knot(i + 1), p3 = knot(i + 2);
        if (i == 1) leading(p0, p1, p2);
        middle(p0, p1, p2, p3);
        if (i == count - 3) trailing(p1, p2, p3);
    }
}

}  // namespace

void CAutoSeries::DrawSpline() {
    if (count < 3) return;
    const double x0 = getX(*this, 0);
    bool parametric = getX(*this, 1) - x0 == 0;
    for (int32_t k = 1; k + 1 < count && !parametric; ++k)
        parametric = (getX(*this, k + 1) - getX(*this, k)) * (getX(*this, 1) - x0) <= 0;
    if (parametric)
        DrawParametricSpline();
    else
        DrawFunctionSpline();
}

void CAutoSeries::DrawFunctionSpline() {
    const int32_t n = splineSteps;
    const auto knot = [&](int32_t i) { return Knot{getX(*this, i), getY(*this, i)}; };
    // The parabola through P0, P1, P2 from P0 up to (not including) P1.
    const auto leading = [&](Knot p0, Knot p1, Knot p2) {
        const double h0 = p1.x - p0.x;
        const double a = Curvature(p0, p1, p2);
        const double c = SlopeFrom(p1, p2, a);
        penDown_ = false;
        LineToValue(p0.x, p0.y);
        for (int32_t j = 0; j < n; ++j) {
            const double x = p0.x + j * h0 / n;
            LineToValue(x, p1.y + (x - p1.x) * (c + a * (x - p1.x)));
        }
    };
    // The parabola through P1, P2, P3 from P2 to P3 inclusive.
    const auto trailing = [&](Knot p1, Knot p2, Knot p3) {
        const double h2 = p3.x - p2.x;
        const double b = Curvature(p1, p2, p3);
        const double d = SlopeFrom(p2, p3, b);
        for (int32_t j = 0; j <= n; ++j) {
            const double x = p2.x + j * h2 / n;
            const double v = x - p2.x;
            LineToValue(x, p2.y + v * (d + b * v));
        }
    };
    // The cubic through P1 and P2 from P1 up to (not including) P2.
    const auto middle = [&](Knot p0, Knot p1, Knot p2, Knot p3) {
        const double h1 = p2.x - p1.x;
        const double a = Curvature(p0, p1, p2);
        const double d = SlopeFrom(p2, p3, Curvature(p1, p2, p3));
        const double e = (p2.y - p1.y) / h1;
        const double g = (d - e - a * h1) / (h1 * h1);
        for (int32_t j = 0; j < n; ++j) {
            const double x = p1.x + j * h1 / n;
            const double t = x - p1.x;
            const double u = x - p2.x;
            LineToValue(x, p1.y + t * (e + a * u * (1 + g * t * t)));
        }
    };
    WalkSpline(count, knot, leading, middle, trailing);
}

void CAutoSeries::DrawParametricSpline() {
    const int32_t n = splineSteps;
    const auto knot = [&](int32_t i) { return Knot{getX(*this, i), getY(*this, i)}; };
    // Through P0, P1, P2 with the parameter running from -1 (P0) up to (not including) 0 (P1).
    const auto leading = [&](Knot p0, Knot p1, Knot p2) {
        const Parabola px = ParabolaThrough(p0.x, p1.x, p2.x);
        const Parabola py = ParabolaThrough(p0.y, p1.y, p2.y);
        penDown_ = false;
        LineToValue(p0.x, p0.y);
        for (int32_t j = 0; j < n; ++j) {
            const double s = static_cast<double>(j) / n - 1;
            LineToValue(p1.x + px.b * s + px.a * s * s, p1.y + py.b * s + py.a * s * s);
        }
    };
    // Through P1, P2, P3 with the parameter running from 1 (P2) to 2 (P3) inclusive.
    const auto trailing = [&](Knot p1, Knot p2, Knot p3) {
        const Parabola px = TrailingParabola(p1.x, p2.x, p3.x);
        const Parabola py = TrailingParabola(p1.y, p2.y, p3.y);
        for (int32_t j = 0; j <= n; ++j) {
            const double s = 1 + static_cast<double>(j) / n;
            LineToValue(p1.x + px.b * s + px.a * s * s, p1.y + py.b * s + py.a * s * s);
        }
    };
    // With the parameter running from 0 (P1) up to (not including) 1 (P2).
    const auto middle = [&](Knot p0, Knot p1, Knot p2, Knot p3) {
        const Parabola px = TrailingParabola(p1.x, p2.x, p3.x);
        const Parabola py = TrailingParabola(p1.y, p2.y, p3.y);
        const double cx = (p3.x - 3 * p2.x + 3 * p1.x - p0.x) / 2;
        const double cy = (p3.y - 3 * p2.y + 3 * p1.y - p0.y) / 2;
        for (int32_t j = 0; j < n; ++j) {
            const double t = static_cast<double>(j) / n;
            const double bend = t * (t - 1) * (t - 1);
            LineToValue(p1.x + px.b * t + px.a * t * t + cx * bend, p1.y + py.b * t + py.a * t * t + cy * bend);
        }
    };
    WalkSpline(count, knot, leading, middle, trailing);
}
