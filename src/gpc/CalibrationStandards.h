// What the calibration is told of its standards beyond their peaks; each value may be left out.
#pragma once

#include <optional>

struct CalibrationStandards {
    // Mark-Houwink constants of the narrow standards for the universal calibration (K in dL/g); each one
    // left out is the sample's own, and then the two cancel.
    std::optional<double> K;
    std::optional<double> Alpha;
    // Known averages of the broad standard, g/mol.
    std::optional<double> broadMn;
    std::optional<double> broadMw;
};
