// Texts of the calibration polynomial's coefficients, one rule for the workbench's edits and the printed
// report, so that a chromatographer who recomputes M from either gets the module's M.
#pragma once

#include "gpc/CalibrationResults.h"
#include "gpc/FitQuality.h"

#include <array>
#include <string>

// k0 to k3 with ten significant digits, '.' whatever the process locale: enough to reproduce M to 1e-6.
// A cubic's k3 is a few thousandths, so a fixed count of decimals would not do. Non-finite values give
// "inf", "-inf", "nan".
std::array<std::string, 4> CoefficientTexts(const CalibrationResults& results);

// R^2 "%.6f" and the standard error of Y with four significant digits, as shown beside the coefficients;
// "" for a measure the fit leaves undefined.
std::array<std::string, 2> FitQualityTexts(const FitQuality& quality);
