#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>

namespace {

// printf in the C locale is the reference for every finite value.
std::string Printf(const char* format, int precision, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    return buffer;
}

TEST(NumberText, FormatsLikePrintfInTheCLocale) {
    for (double value : {0.0, -0.0, 0.1, 1.005, 2.5, 1000.0, 123456789.125, 1e-7, 1e300, -3.75, 0.0049999}) {
        for (int digits : {0, 2, 4, 6}) EXPECT_EQ(FormatFixed(value, digits), Printf("%.*f", digits, value)) << value;
        for (int significant : {6, 15, 17}) EXPECT_EQ(FormatGeneral(value, significant), Printf("%.*g", significant, value)) << value;
    }
    EXPECT_EQ(FormatGeneral(0.1, 17), "0.10000000000000001");
}

TEST(NumberText, NonFiniteValuesHaveFixedWords) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 15), "-inf");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "nan");
}

TEST(NumberText, IgnoresACommaDecimalLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(FormatFixed(1.5, 2), "1.50");
    EXPECT_EQ(ParseLeadingDouble("1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct DoubleCase {
    const char* name;
    const char* text;
    std::optional<double> expected;
};

std::ostream& operator<<(std::ostream& out, const DoubleCase& c) { return out << c.name; }

class LeadingDouble : public testing::TestWithParam<DoubleCase> {};

TEST_P(LeadingDouble, ReadsLikeStrtod) { EXPECT_EQ(ParseLeadingDouble(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, LeadingDouble,
    testing::Values(DoubleCase{"Plain", "0.725", 0.725},
                    DoubleCase{"LeadingBlanksAndTrailingText", "  12.5abc", 12.5},
                    DoubleCase{"Exponent", "1e3", 1000.0},
                    DoubleCase{"LeadingPoint", ".5", 0.5},
                    DoubleCase{"CommaStopsTheNumber", "1,5", 1.0},
                    DoubleCase{"LoneMinus", "-", std::nullopt},
                    DoubleCase{"Empty", "", std::nullopt},
                    DoubleCase{"Word", "abc", std::nullopt}),
    [](const testing::TestParamInfo<DoubleCase>& info) { return std::string(info.param.name); });

TEST(NumberText, LeadingIntClampsAndStops) {
    EXPECT_EQ(ParseLeadingInt(" 42/1"), 42);
    EXPECT_EQ(ParseLeadingInt("-7"), -7);
    EXPECT_EQ(ParseLeadingInt("x1"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999999"), -2147483648);
}

}  // namespace
