// Texts of a points list row, and their immunity to a comma-decimal process locale.
#include "base/NumberText.h"
#include "gpc/PointRowTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <limits>
#include <string>

namespace {

struct RowCase {
    const char* name;
    int32_t assayIndex;
    const char* componentName;
    double time;
    double fitMolarMass;
    double K;
    double Alpha;
    std::array<std::string, 5> expected;
};

CalibrationPoint PointOf(const RowCase& c) {
    CalibrationPoint point;
    point.assayIndex = c.assayIndex;
    point.time = c.time;
    point.molarMass = c.fitMolarMass;
    point.fitMolarMass = c.fitMolarMass;
    point.K = c.K;
    point.Alpha = c.Alpha;
    return point;
}

class PointRow : public testing::TestWithParam<RowCase> {};

TEST_P(PointRow, FormatsColumns) {
    EXPECT_EQ(PointRowTexts(PointOf(GetParam()), GetParam().componentName), GetParam().expected);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, PointRow,
    testing::Values(
        RowCase{"Plain",
                1,
                "Полистирол 10k",
                12.5,
                10000.0,
                0.000114,
                0.716,
                {"2 / Полистирол 10k", "12.50", "10000.00", "0.000114", "0.716"}},
        // 2.675 and 0.0005 lie just below their halfway points in binary, as printf sees them.
        RowCase{"RoundsLikePrintf",
                0,
                "A",
                2.675,
                0.125,
                0.0000005,
                1.0005,
                {"1 / A", "2.67", "0.12", "0.000000", "1.000"}},
        RowCase{"RoundsUp",
                0,
                "A",
                9.999,
                99.995001,
                1.23456789,
                0.9996,
                {"1 / A", "10.00", "100.00", "1.234568", "1.000"}},
        RowCase{"Negative", 0, "", -0.001, -1.5, -2.0, -0.0004, {"1 / ", "-0.00", "-1.50", "-2.000000", "-0.000"}},
        RowCase{"NonFiniteAndHuge",
                0,
                "A",
                kNaN,
                kInf,
                -kInf,
                1e22,
                {"1 / A", "nan", "inf", "-inf", "10000000000000000000000.000"}}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST(PointRow, MatchesPrintfInClassicLocale) {
    for (double value : {0.0, 1.005, 123.456789, -7.25, 1e-7, 6.02214076e23}) {
        for (int decimals : {2, 3, 6}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            EXPECT_EQ(FormatFixed(value, decimals), expected) << value << " with " << decimals;
        }
    }
}

// Sets the first comma-decimal locale installed for the test's duration.
class CommaLocale {
public:
    CommaLocale() : previous(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "ru_RU.UTF-8", "ru_RU.utf8", "fr_FR.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
                active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, previous.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous.c_str()); }
    bool active = false;

private:
    std::string previous;
};

TEST(PointRow, IgnoresCommaDecimalLocale) {
    const CommaLocale locale;
    if (!locale.active) GTEST_SKIP() << "no comma-decimal locale installed";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.2f", 12.5);
    ASSERT_STREQ(printed, "12,50");
    CalibrationPoint point;
    point.time = 12.5;
    point.fitMolarMass = 1000.0;
    point.K = 0.5;
    point.Alpha = 0.7;
    const std::array<std::string, 5> expected = {"1 / X", "12.50", "1000.00", "0.500000", "0.700"};
    EXPECT_EQ(PointRowTexts(point, "X"), expected);
}

TEST(FormatFixed, ClampsDecimals) {
    EXPECT_EQ(FormatFixed(1.5, -3), "2");
    EXPECT_EQ(FormatFixed(0.1, 40), "0.10000000000000001");
}

}  // namespace

TEST(PointFit, ShowsTheFittedMassAndDeviationOnlyWhereTheFitGaveThem) {
    CalibrationPoint point;
    point.curveMolarMass = 10235.456;
    point.deviation = -2.345;
    EXPECT_EQ(PointFitTexts(point), (std::array<std::string, 2>{"10235.46", "-2.35"}));
    point.curveMolarMass.reset();
    point.deviation.reset();
    EXPECT_EQ(PointFitTexts(point), (std::array<std::string, 2>{"", ""}));
}
