// Points list texts through the module's locale-independent number formatter.
#include "gpc/PointRowTexts.h"

#include "base/NumberText.h"

#include <cstdint>

std::array<std::string, 5> PointRowTexts(const CalibrationPoint& point, const std::string& componentName) {
    const int64_t position = static_cast<int64_t>(point.assayIndex) + 1;
    return {std::to_string(position) + " / " + componentName, FormatFixed(point.time, 2),
            FormatFixed(point.fitMolarMass, 2), FormatFixed(point.K, 6), FormatFixed(point.Alpha, 3)};
}

std::array<std::string, 2> PointFitTexts(const CalibrationPoint& point) {
    const auto text = [](const std::optional<double>& value) { return value ? FormatFixed(*value, 2) : std::string(); };
    return {text(point.curveMolarMass), text(point.deviation)};
}
