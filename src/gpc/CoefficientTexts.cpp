// Coefficient texts through the module's locale-independent number formatter.
#include "gpc/CoefficientTexts.h"

#include "base/NumberText.h"

namespace {

constexpr int kCoefficientDigits = 10;

}  // namespace

std::array<std::string, 4> CoefficientTexts(const CalibrationResults& results) {
    return {FormatGeneral(results.k0, kCoefficientDigits), FormatGeneral(results.k1, kCoefficientDigits),
            FormatGeneral(results.k2, kCoefficientDigits), FormatGeneral(results.k3, kCoefficientDigits)};
}
