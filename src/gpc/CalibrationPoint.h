// One calibration point: a named standard peak with its retention time (minutes) and molar mass (g/mol).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CalibrationPoint {
    std::string name;  // component key, the peak table item's name
    std::string componentText;  // the component's display name
    double time = 0.0;  // retention time, minutes
    double molarMass = 0.0;  // g/mol
    double fitMolarMass = 0.0;  // the same value; the copy the fit and the points list use
    double K = 0.0;  // Mark-Houwink K of the run that formed the point
    double Alpha = 0.0;  // Mark-Houwink exponent of that run
    int32_t used = 1;  // non-zero: the point takes part in the fit
    int32_t assayIndex = 0;  // index in the calibration's assays of the assay that holds the peak
    // What the run's final calibration makes of a used point; both empty for an unused point and when the
    // run fitted nothing.
    std::optional<double> curveMolarMass;  // g/mol the calibration gives at time
    std::optional<double> deviation;  // (curveMolarMass - molarMass) / molarMass * 100, %
};
