// How well the calibration polynomial Y(T) fits the points placed into it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct FitQuality {
    int32_t degree = -1;  // of the polynomial fitted; -1 for the zero polynomial
    std::optional<double> r2;  // coefficient of determination of Y against T; empty when Y does not vary
    std::optional<double> stdError;  // standard error of Y (units of Y); empty without a degree of freedom
};

// R^2 = 1 - SSres/SStot and the standard error sqrt(SSres / (n - degree - 1)) of the n values y
// against fitted, the polynomial's values at the same times (equal sizes). r2 is empty when SStot is 0
// (no two y differ), stdError when n - degree - 1 <= 0; non-finite values make them non-finite.
FitQuality MeasureFit(const std::vector<double>& y, const std::vector<double>& fitted, int32_t degree);
