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
    for (double value :
         {0.0, -0.0, 0.1, 1.005, 2.5, 1000.0, 123456789.125, 1e-7, 1e300, -3.75, 0.0049999, 1e-320, -2.5e-300,
          123456789012345678.0, 1e21, 1e16, 1e17, -1.0 / 3.0, std::numeric_limits<double>::max()}) {
        for (int digits : {0, 2, 4, 6}) EXPECT_EQ(FormatFixed(value, digits), Printf("%.*f", digits, value)) << value;
        for (int significant : {6, 15, 17})
            EXPECT_EQ(FormatGeneral(value, significant), Printf("%.*g", significant, value)) << value;
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
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(FormatFixed(1.5, 2), "1.50");
    EXPECT_EQ(ParseLeadingDouble("1.5"), 1.5);
    EXPECT_EQ(FormatGeneral(0.1, 17), "0.10000000000000001");
    EXPECT_EQ(FormatShortest(0.5), "0.5");
    EXPECT_EQ(ParseWholeDouble("2.5"), 2.5);
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

INSTANTIATE_TEST_SUITE_P(
    Cases, LeadingDouble,
    testing::Values(DoubleCase{"Plain", "0.725", 0.725}, DoubleCase{"LeadingBlanksAndTrailingText", "  12.5abc", 12.5},
                    DoubleCase{"Exponent", "1e3", 1000.0}, DoubleCase{"LeadingPoint", ".5", 0.5},
                    DoubleCase{"CommaStopsTheNumber", "1,5", 1.0}, DoubleCase{"LoneMinus", "-", std::nullopt},
                    DoubleCase{"Empty", "", std::nullopt}, DoubleCase{"Word", "abc", std::nullopt},
                    DoubleCase{"HexadecimalIsItsLeadingZero", "0x10", 0.0},
                    DoubleCase{"SignedHexadecimal", " -0XEE4+", -0.0}, DoubleCase{"HexExponent", "0x1p3", 0.0},
                    DoubleCase{"ZeroThenWord", "0abc", 0.0}),
    [](const testing::TestParamInfo<DoubleCase>& info) { return std::string(info.param.name); });

TEST(NumberText, ShortestTextReadsBackAsTheSameDouble) {
    for (double value : {0.0, -0.0, 0.1, 1.0 / 3.0, -2.5e-300, 1e21, 123456789012345678.0,
                         std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()}) {
        const std::string text = FormatShortest(value);
        EXPECT_EQ(ParseWholeDouble(text), value) << text;
        EXPECT_LE(text.size(), Printf("%.*g", 17, value).size()) << text;
    }
    EXPECT_EQ(FormatShortest(0.1), "0.1");
    EXPECT_EQ(FormatShortest(1e21), "1e+21");
    EXPECT_EQ(FormatShortest(-std::numeric_limits<double>::infinity()), "-inf");
}

struct WholeCase {
    const char* name;
    const char* text;
    std::optional<double> asDouble;
    std::optional<int32_t> asInt;
};

std::ostream& operator<<(std::ostream& out, const WholeCase& c) { return out << c.name; }

class WholeNumber : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumber, TakesTheWholeTextOrNothing) {
    EXPECT_EQ(ParseWholeDouble(GetParam().text), GetParam().asDouble);
    EXPECT_EQ(ParseWholeInt(GetParam().text), GetParam().asInt);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeNumber,
                         testing::Values(WholeCase{"Integer", "42", 42.0, 42}, WholeCase{"Negative", "-7", -7.0, -7},
                                         WholeCase{"Fraction", "0.25", 0.25, std::nullopt},
                                         WholeCase{"Exponent", "1e3", 1000.0, std::nullopt},
                                         WholeCase{"TrailingText", "12abc", std::nullopt, std::nullopt},
                                         WholeCase{"LeadingBlank", " 1", std::nullopt, std::nullopt},
                                         WholeCase{"PlusSign", "+1", std::nullopt, std::nullopt},
                                         WholeCase{"Comma", "1,5", std::nullopt, std::nullopt},
                                         WholeCase{"BeyondInt32", "2147483648", 2147483648.0, std::nullopt},
                                         WholeCase{"Empty", "", std::nullopt, std::nullopt}),
                         [](const testing::TestParamInfo<WholeCase>& info) { return std::string(info.param.name); });

TEST(NumberText, LeadingIntClampsAndStops) {
    EXPECT_EQ(ParseLeadingInt(" 42/1"), 42);
    EXPECT_EQ(ParseLeadingInt("-7"), -7);
    EXPECT_EQ(ParseLeadingInt("x1"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999999"), -2147483648);
}

}  // namespace
