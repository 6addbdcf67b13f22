// Cell text of a molar mass (g/mol): reading what the user typed, writing what the list shows.
#include "components/MolarMassText.h"

#include "base/NumberText.h"
#include "components/Component.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::string_view kNoValueText = "---";
}

double ParseMolarMass(std::string_view text) {
    if (text.empty() || text == kNoValueText) return kNoMolarMass;  // "-" has no letter case
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    const std::optional<double> value = ParseLeadingDouble(dotted);
    return value && std::isfinite(*value) ? *value : 0.0;
}

std::string FormatMolarMass(double molarMass, int precision) {
    return molarMass == kNoMolarMass ? std::string(kNoValueText) : FormatFixed(molarMass, precision);
}
