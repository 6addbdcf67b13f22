// Locale-free number text: formatting through to_chars, reading in the "C" locale.
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

// to_chars with the given format and precision, or without them the shortest round-trip text.
template <typename... Format>
std::string ToChars(double value, Format... format) {
    if (!std::isfinite(value)) return NonFinite(value);
    char buffer[400];  // "%.*f" of the largest double (309 digits) with 17 decimals fits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
    if (result.ec != std::errc()) return NonFinite(std::numeric_limits<double>::quiet_NaN());
    return std::string(buffer, result.ptr);
}

template <typename Number>
std::optional<Number> FromWholeText(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// strtod also reads C's hexadecimal numbers; no lab writes a mass or a constant so, and "0x10"
// taken as sixteen would be a silent surprise. Such a text is cut to its leading decimal 0.
void KeepDecimal(std::string& text) {
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos) return;
    const size_t zero = start + (text[start] == '+' || text[start] == '-' ? 1 : 0);
    if (zero + 1 < text.size() && text[zero] == '0' && (text[zero + 1] == 'x' || text[zero + 1] == 'X'))
        text.resize(zero + 1);
}

}  // namespace

std::string FormatFixed(double value, int digits) {
    return ToChars(value, std::chars_format::fixed, digits < 0 ? 0 : (digits > 17 ? 17 : digits));
}

std::string FormatGeneral(double value, int significant) {
    return ToChars(value, std::chars_format::general, significant < 1 ? 1 : (significant > 17 ? 17 : significant));
}

std::string FormatShortest(double value) { return ToChars(value); }

std::optional<double> ParseLeadingDouble(std::string_view text) {
    std::string terminated(text);
    KeepDecimal(terminated);
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

std::optional<double> ParseWholeDouble(std::string_view text) { return FromWholeText<double>(text); }

std::optional<int32_t> ParseWholeInt(std::string_view text) { return FromWholeText<int32_t>(text); }
