// Numbers written and read as the C library's "C" locale does, whatever locale the host process runs
// in: "." is always the decimal point. The module never changes the process locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// printf "%.*f" with digits after the point clamped to 0..17; "nan", "inf", "-inf" for non-finite values.
std::string FormatFixed(double value, int digits);
// printf "%.*g" with the given significant digits (1 to 17); "nan", "inf", "-inf" for non-finite values.
std::string FormatGeneral(double value, int significant);
// The shortest text that reads back as the same double; "nan", "inf", "-inf" for non-finite values.
std::string FormatShortest(double value);

// strtod: leading blanks skipped, the longest leading decimal number taken, the rest ignored; empty
// when the text does not begin with a number.
std::optional<double> ParseLeadingDouble(std::string_view text);
// strtol: leading blanks and a sign, decimal digits up to the first other character, values
// beyond int32 clamped; 0 when no digit leads.
int32_t ParseLeadingInt(std::string_view text);

// The whole text as one number (no blanks, no sign "+", nothing after it); empty otherwise or when an
// integer does not fit in int32.
std::optional<double> ParseWholeDouble(std::string_view text);
std::optional<int32_t> ParseWholeInt(std::string_view text);
