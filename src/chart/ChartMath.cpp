// Pixel rounding, MulDiv, rectangle tests and tick labels of the chart.
#include "chart/ChartMath.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

int32_t ClampToPixel(double v) {
    if (std::isnan(v) || v >= kFarPixel) return kFarPixel;
    if (v <= -kFarPixel) return -kFarPixel;
    return static_cast<int32_t>(v);
}

int32_t SaturatingInt32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    const int64_t remainder = product % c;
    if (2 * std::abs(remainder) >= std::abs(static_cast<int64_t>(c))) quotient += ((product < 0) == (c < 0)) ? 1 : -1;
    if (quotient > std::numeric_limits<int32_t>::max() || quotient < std::numeric_limits<int32_t>::min()) return -1;
    return static_cast<int32_t>(quotient);
}

bool PtInRect(const ChartRect& rect, ChartPoint p) {
    return p.x >= rect.left && p.x < rect.right && p.y >= rect.top && p.y < rect.bottom;
}

ChartRect IntersectRect(const ChartRect& a, const ChartRect& b) {
    const ChartRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                           std::min(a.bottom, b.bottom)};
    if (common.left >= common.right || common.top >= common.bottom) return {};
    return common;
}

// Adding 0 turns a tick computed as -0 (an axis from a small negative value up) into 0.
std::string FormatTick(double v) { return FormatGeneral(v + 0.0, 10); }
