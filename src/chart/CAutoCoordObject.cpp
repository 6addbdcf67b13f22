// Value-to-pixel maps (linear and polar) and the fixed-range conversions of chart objects.
#include "chart/CAutoCoordObject.h"

#include "chart/ChartMath.h"

#include <cmath>

namespace {

int32_t LinearX(const CAutoCoordObject& o, double x) {
    if (o.xMax == o.xMin) return 0;
    const double w = o.rect.right - o.rect.left - 1;
    return ClampToPixel(std::ceil((x - o.xMin) / (o.xMax - o.xMin) * w - 0.5) + o.xOffset + o.rect.left);
}

int32_t LinearY(const CAutoCoordObject& o, double y) {
    if (o.yMax == o.yMin) return 0;
    const double h = o.rect.bottom - o.rect.top - 1;
    return ClampToPixel(o.rect.bottom - 1.0 + o.yOffset - std::ceil((y - o.yMin) / (o.yMax - o.yMin) * h - 0.5));
}

}  // namespace

int32_t CAutoCoordObject::MapX(const CAutoCoordObject& object, double x, double) { return LinearX(object, x); }

int32_t CAutoCoordObject::MapY(const CAutoCoordObject& object, double, double y) { return LinearY(object, y); }

int32_t CAutoCoordObject::MapPolarX(const CAutoCoordObject& object, double x, double y) {
    return LinearX(object, std::cos(x) * y);
}

int32_t CAutoCoordObject::MapPolarY(const CAutoCoordObject& object, double x, double y) {
    return LinearY(object, std::sin(x) * y);
}

double CAutoCoordObject::AxisXFromData(double x) const { return (flags & kFlagLogX) ? std::log10(x) : x; }

double CAutoCoordObject::AxisYFromData(double y) const { return (flags & kFlagLogY) ? std::log10(y) : y; }

double CAutoCoordObject::DataXFromAxis(double v) const { return (flags & kFlagLogX) ? std::pow(10.0, v) : v; }

double CAutoCoordObject::DataYFromAxis(double v) const { return (flags & kFlagLogY) ? std::pow(10.0, v) : v; }

void CAutoCoordObject::UseFixedXRange() {
    xMin = AxisXFromData(fixedXMin);
    xMax = AxisXFromData(fixedXMax);
}

void CAutoCoordObject::UseFixedYRange() {
    yMin = AxisYFromData(fixedYMin);
    yMax = AxisYFromData(fixedYMax);
}
