// Integer pixel arithmetic and tick helpers shared by the chart model and its painter: rounding of
// values to pixels that stays defined for NaN and infinities, rectangle tests, MulDiv, tick loops
// and tick labels.
#pragma once

#include "chart/Canvas.h"

#include <cmath>
#include <cstdint>
#include <string>

// Pixels this far out lie beyond any surface; products of two such values still fit in 64 bits.
constexpr int32_t kFarPixel = 1 << 28;
// Upper bound of ticks a single axis visits, whatever its range and step.
constexpr int32_t kMaxTicks = 10000;

// v as a pixel coordinate: NaN and values beyond +-kFarPixel give +-kFarPixel (NaN gives +).
int32_t ClampToPixel(double v);
// v truncated to int32, saturating at the int32 limits; NaN gives 0.
int32_t SaturatingInt32(double v);
// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0 or the result
// does not fit in int32.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
// Whether p lies in rect (right and bottom exclusive).
bool PtInRect(const ChartRect& rect, ChartPoint p);
// The common part of a and b; all zero when they do not overlap.
ChartRect IntersectRect(const ChartRect& a, const ChartRect& b);
// The tick label of v, "%.10g" in the C locale whatever the process locale; "0" for -0.
std::string FormatTick(double v);

// Calls visit(v) for v = first, first + step, ... while v < last + step / 2. Nothing happens for a
// step that is not positive and finite or for non-finite ends; at most kMaxTicks calls, and the
// loop also stops once adding the step no longer changes v.
template <typename Visit>
void ForEachTick(double first, double last, double step, Visit visit) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(first) || !std::isfinite(last)) return;
    double v = first;
    for (int32_t k = 0; k < kMaxTicks && v < last + step / 2; ++k) {
        visit(v);
        const double next = v + step;
        if (next == v) break;
        v = next;
    }
}
