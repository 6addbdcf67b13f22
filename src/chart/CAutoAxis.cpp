// Automatic ranges, rounded tick steps and the tick layout of the chart axes.
#include "chart/CAutoAxis.h"

#include "chart/ChartMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Makes a range at least max(|min|, |max|) * 10^-digits wide around its centre.
void Widen(double& min, double& max, int32_t digits) {
    const double f = std::pow(10.0, -digits);
    if (min == max) {
        min -= f / 2;
        max += f / 2;
        return;
    }
    const double d = std::max(std::abs(min), std::abs(max)) * f;
    if (max - min < d) {
        const double c = (min + max) / 2;
        min = c - d / 2;
        max = c + d / 2;
    }
}

// The value span of the tick shift caused by a pixel offset; 0 without room to shift in.
double ShiftFor(double span, int32_t offset, int32_t pixels) {
    if (offset == 0 || pixels <= 0) return 0.0;
    return span * offset / pixels;
}

double NiceStep(double raw) {
    const int32_t e = static_cast<int32_t>(std::floor(std::log10(raw)));
    const double norm = raw * std::pow(10.0, -e);
    double nice = 1;
    if (norm > 7.5)
        nice = 10;
    else if (norm > 3.5)
        nice = 5;
    else if (norm > 2.6)
        nice = 3;
    else if (norm > 2.4)
        nice = 2.5;
    else if (norm > 1.5)
        nice = 2;
    return std::pow(10.0, e) * nice;
}

}  // namespace

ValueExtent CAutoAxis::ComputeRange(ValueExtent (CAutoSeries::*extent)() const, int32_t digits, ValueExtent noData,
                                    bool& cached, double& min, double& max) {
    if (cached) return {min, max};
    if (series.empty()) return noData;
    ValueExtent all{std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    for (CAutoSeries& s : series) {
        s.flags = flags;
        s.UpdateMapping();
        const ValueExtent one = (s.*extent)();
        all.min = std::min(all.min, one.min);
        all.max = std::max(all.max, one.max);
    }
    // No series had a finite value: widening the start values would give ends of about -+9e304.
    if (all.min > all.max)
        all = noData;
    else
        Widen(all.min, all.max, digits);
    min = all.min;
    max = all.max;
    cached = true;
    return all;
}

ValueExtent CAutoAxis::ComputeXRange() {
    return ComputeRange(&CAutoSeries::ExtentX, xDigits, kNoDataXRange, xRangeCached, xMin, xMax);
}

ValueExtent CAutoAxis::ComputeYRange() {
    return ComputeRange(&CAutoSeries::ExtentY, yDigits, kNoDataYRange, yRangeCached, yMin, yMax);
}

void CAutoAxis::UpdateRanges() {
    if (autoScaleX) {
        const ValueExtent x = ComputeXRange();
        xMin = x.min;
        xMax = x.max;
    } else {
        UseFixedXRange();
    }
    if (autoScaleY) {
        const ValueExtent y = ComputeYRange();
        yMin = y.min;
        yMax = y.max;
    } else {
        UseFixedYRange();
    }
}

void CAutoAxis::NiceTicks(double& min, double& max, double& step, double& first, double& last, double m, double n,
                          bool autoScale, double shift) {
    const double raw = (max - min) * m / n;
    if (!(raw > 0) || !std::isfinite(raw)) {
        step = 0;
        first = min;
        last = max;
        return;
    }
    step = NiceStep(raw);
    const bool snaps = autoScale && std::abs(shift) < 1e-5;
    const double a = min + shift;
    const double f = std::floor(a / step);
    const double snappedMin = std::floor(min / step) * step;
    if (step / 2 > a - f * step && snaps && std::isfinite(snappedMin)) {
        first = f * step;
        min = snappedMin;
    } else {
        first = std::ceil(a / step - 0.01) * step;
    }
    const double b = max + shift;
    const double c = std::ceil(b / step);
    const double snappedMax = std::ceil(max / step) * step;
    if (step / 2 > c * step - max - shift && snaps && std::isfinite(snappedMax)) {
        last = c * step;
        max = snappedMax;
    } else {
        last = std::floor(b / step + 0.01) * step;
    }
}

int32_t CAutoAxis::MaxLabelWidth(double first, double last, double step) const {
    int32_t widest = 0;
    ForEachTick(first, last, step,
                [&](double v) { widest = std::max(widest, surface->GetTextExtent(FormatTick(v)).cx); });
    return widest;
}

int32_t CAutoAxis::LayoutXTicks() {
    // A zero average width would never widen the spacing; one pixel keeps the loop finite.
    const int32_t charWidth = std::max(1, surface->GetTextMetrics().aveCharWidth);
    const int32_t width = rect.right - rect.left;
    const double shift = ShiftFor(xMax - xMin, xOffset, width - 1);
    double min = xMin;
    double max = xMax;
    int32_t m = 6 * charWidth;
    int32_t widest = 0;
    for (;;) {
        min = xMin;
        max = xMax;
        NiceTicks(min, max, xStep, xFirstTick, xLastTick, m, width, autoScaleX, shift);
        widest = MaxLabelWidth(xFirstTick, xLastTick, xStep);
        m += charWidth;
        if (m >= width || widest + 3 * charWidth <= width * xStep / (xMax - xMin)) break;
    }
    xMin = min;
    xMax = max;
    return widest;
}

int32_t CAutoAxis::LayoutYTicks() {
    const int32_t height = rect.bottom - rect.top;
    NiceTicks(yMin, yMax, yStep, yFirstTick, yLastTick, 2.0 * surface->GetTextMetrics().height, height, autoScaleY,
              ShiftFor(yMax - yMin, yOffset, height - 1));
    return MaxLabelWidth(yFirstTick, yLastTick, yStep);
}

void CAutoAxis::MeasureTicks() {
    const int32_t h = surface->GetTextMetrics().height;
    tickLength = std::max(1, h / 3);
    tickGap = std::max(1, h / 6);
    labelGap = std::max(1, h / 5);
}
