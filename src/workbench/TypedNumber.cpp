#include "workbench/TypedNumber.h"

#include "base/NumberText.h"

#include <cctype>
#include <cmath>
#include <optional>

namespace {

constexpr size_t kMaxNumberText = 400;  // characters read; longer numbers are no realistic entry

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Whether text is, as a whole, the beginning of a decimal number: blanks, a sign, digits, a point,
// digits, an exponent mark, its sign and digits, each optional, in this order.
bool IsNumberStart(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return true;
    const auto skip = [&](auto accepts) {
        while (i < text.size() && accepts(text[i])) ++i;
    };
    const auto one = [&](std::string_view of) {
        if (i < text.size() && of.find(text[i]) != std::string_view::npos) ++i;
    };
    one("+-");
    skip(IsDigit);
    one(".");
    skip(IsDigit);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        one("+-");
        skip(IsDigit);
    }
    return i == text.size();
}

bool EndsOpen(std::string_view text) {
    if (text.empty()) return false;
    const char last = text.back();
    return last == '.' || last == 'e' || last == 'E' || last == '+' || last == '-';
}

}  // namespace

TypedNumber ReadTypedNumber(std::string_view text) {
    text = text.substr(0, kMaxNumberText);
    const std::optional<double> value = ParseLeadingDouble(text);
    // "1e999", "inf", "nan": no key makes such a text a number to compute with.
    if (value && !std::isfinite(*value)) return {TypedNumberKind::NotANumber, 0.0};
    if (IsNumberStart(text) && (!value || EndsOpen(text))) return {TypedNumberKind::StillTyping, value.value_or(0.0)};
    if (!value) return {TypedNumberKind::NotANumber, 0.0};
    if (*value == 0.0) return {TypedNumberKind::StillTyping, 0.0};
    return {TypedNumberKind::Number, *value};
}
