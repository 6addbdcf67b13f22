// How a molar mass (g/mol) of the components table reads and shows as cell text.
#pragma once

#include <string>
#include <string_view>

// "---" (any letter case) or "" give kNoMolarMass; otherwise "," counts as "." and the leading number
// is taken. 0 when no number leads or the number is not finite (so "inf" never reaches the file).
double ParseMolarMass(std::string_view text);
// "---" for kNoMolarMass; otherwise the value with precision digits after the point.
std::string FormatMolarMass(double molarMass, int precision);
