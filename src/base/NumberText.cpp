#include "base/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>

namespace {

std::string NonFinite(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    return value < 0 ? "-inf" : "inf";
}

std::string ToChars(double value, std::chars_format format, int precision) {
    if (!std::isfinite(value)) return NonFinite(value);
    char buffer[400];  // "%.*f" of the largest double (309 digits) with 17 decimals fits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (result.ec != std::errc()) return NonFinite(std::numeric_limits<double>::quiet_NaN());
    return std::string(buffer, result.ptr);
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

}  // namespace

std::string FormatFixed(double value, int digits) {
    return ToChars(value, std::chars_format::fixed, digits < 0 ? 0 : (digits > 17 ? 17 : digits));
}

std::string FormatGeneral(double value, int significant) {
    return ToChars(value, std::chars_format::general, significant < 1 ? 1 : (significant > 17 ? 17 : significant));
}

std::optional<double> ParseLeadingDouble(std::string_view text) {
    const std::string terminated(text);
    char* end = nullptr;
    const double value = strtod_l(terminated.c_str(), &end, CLocale());
    if (end == terminated.c_str()) return std::nullopt;
    return value;
}

int32_t ParseLeadingInt(std::string_view text) {
    const std::string terminated(text);
    const long long value = strtoll_l(terminated.c_str(), nullptr, 10, CLocale());
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}
