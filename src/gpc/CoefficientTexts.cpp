// Coefficient texts through the module's locale-independent number formatter.
#include "gpc/CoefficientTexts.h"

#include "base/NumberText.h"

namespace {

constexpr int kCoefficientDigits = 10;
constexpr int kDeterminationDecimals = 6;
constexpr int kStdErrorDigits = 4;

}  // namespace

std::array<std::string, 4> CoefficientTexts(const CalibrationResults& results) {
    return {FormatGeneral(results.k0, kCoefficientDigits), FormatGeneral(results.k1, kCoefficientDigits),
            FormatGeneral(results.k2, kCoefficientDigits), FormatGeneral(results.k3, kCoefficientDigits)};
}

std::array<std::string, 2> FitQualityTexts(const FitQuality& quality) {
    return {quality.r2 ? FormatFixed(*quality.r2, kDeterminationDecimals) : std::string(),
            quality.stdError ? FormatGeneral(*quality.stdError, kStdErrorDigits) : std::string()};
}
