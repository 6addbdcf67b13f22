// Texts of the coefficients and of the fit's quality as the workbench and the report show them.
#include "gpc/CoefficientTexts.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CoefficientTexts, TenSignificantDigitsEvenForASmallCubicTerm) {
    CalibrationResults results;
    results.k0 = 12.3456789012345;
    results.k1 = -0.55;
    results.k2 = 0.0041234567891234;
    results.k3 = -1.2345678901234e-5;
    EXPECT_EQ(CoefficientTexts(results),
              (std::array<std::string, 4>{"12.3456789", "-0.55", "0.004123456789", "-1.23456789e-05"}));
}

TEST(FitQualityTexts, DeterminationWithSixDecimalsAndTheErrorWithFourDigits) {
    FitQuality quality;
    quality.degree = 3;
    quality.r2 = 0.99876543;
    quality.stdError = 0.012345678;
    EXPECT_EQ(FitQualityTexts(quality), (std::array<std::string, 2>{"0.998765", "0.01235"}));
}

TEST(FitQualityTexts, UndefinedMeasuresShowNothing) {
    FitQuality quality;
    quality.degree = 1;
    EXPECT_EQ(FitQualityTexts(quality), (std::array<std::string, 2>{"", ""}));
    quality.r2 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FitQualityTexts(quality)[0], "nan") << "a non-finite measure is shown as such, not hidden";
}

}  // namespace
