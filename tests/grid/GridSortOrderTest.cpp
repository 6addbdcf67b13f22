// The orders a grid list sorts by: numbers, day.month.year dates (also before 1970 and before
// 1899-12-30, where automation dates stop being linear) and text ignoring letter case.
#include "grid/GridSortOrder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct DateRow {
    const char* name;
    const char* text;
    std::optional<double> days;  // since 1899-12-30
};

class ParseGridDateTest : public testing::TestWithParam<DateRow> {};

TEST_P(ParseGridDateTest, ReadsTheFormsTheModuleWrites) {
    const DateRow& row = GetParam();
    const auto days = ParseGridDate(row.text);
    ASSERT_EQ(days.has_value(), row.days.has_value()) << row.text;
    if (row.days) {
        EXPECT_NEAR(*days, *row.days, 1e-9) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseGridDateTest,
    testing::Values(
        DateRow{"Origin", "30.12.1899", 0.0}, DateRow{"UnixEpoch", "01.01.1970", 25569.0},
        DateRow{"WorkbenchForm", "09.12.26  23:50", 46365.0 + (23 * 60 + 50) / 1440.0},
        DateRow{"WithSeconds", "1.1.70 12:00:30", 25569.5 + 30 / 86400.0},
        DateRow{"SlashSeparators", "02/01/1970", 25570.0}, DateRow{"BlanksAround", "  01.01.1970  ", 25569.0},
        DateRow{"ShortYear29Is2029", "01.01.29", 47119.0}, DateRow{"ShortYear30Is1930", "01.01.30", 10959.0},
        DateRow{"ShortYear69Is1969", "31.12.69", 25568.0}, DateRow{"BeforeOriginIsLinear", "29.12.1899 06:00", -0.75},
        DateRow{"LeapDay", "29.02.2000", 36585.0}, DateRow{"Empty", "", std::nullopt},
        DateRow{"Text", "Анализ", std::nullopt}, DateRow{"Number", "12.5", std::nullopt},
        DateRow{"NoLeapDay", "29.02.1900", std::nullopt}, DateRow{"MonthThirteen", "01.13.2000", std::nullopt},
        DateRow{"DayZero", "00.01.2000", std::nullopt}, DateRow{"Hour24", "01.01.2000 24:00", std::nullopt},
        DateRow{"Minute60", "01.01.2000 10:60", std::nullopt}, DateRow{"ThreeDigitYear", "01.01.200", std::nullopt},
        DateRow{"MixedSeparators", "01.01/2000", std::nullopt},
        DateRow{"TrailingText", "01.01.2000 10:00 x", std::nullopt},
        DateRow{"TimeWithoutBlank", "01.01.200010:00", std::nullopt},
        DateRow{"HugeDigits", "99999999999999999999.1.2000", std::nullopt}),
    [](const testing::TestParamInfo<DateRow>& info) { return std::string(info.param.name); });

struct CompareRow {
    const char* name;
    int kind;
    const char* first;
    const char* second;
    int expected;  // sign
};

class CompareGridCellsTest : public testing::TestWithParam<CompareRow> {};

TEST_P(CompareGridCellsTest, OrdersBothWays) {
    const CompareRow& row = GetParam();
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    EXPECT_EQ(sign(CompareGridCells(row.kind, row.first, row.second)), row.expected);
    EXPECT_EQ(sign(CompareGridCells(row.kind, row.second, row.first)), -row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CompareGridCellsTest,
    testing::Values(CompareRow{"NumbersNotDigitByDigit", kGridSortNumeric, "10", "9", 1},
                    CompareRow{"NegativeNumbers", kGridSortNumeric, "-1.5", "-1.25", -1},
                    CompareRow{"EqualNumbersTie", kGridSortNumeric, "2.5", "2.50", 0},
                    CompareRow{"LeadingNumberOnly", kGridSortNumeric, "3 / x", "20 / a", -1},
                    CompareRow{"NoNumberIsZero", kGridSortNumeric, "---", "-1", 1},
                    CompareRow{"Exponent", kGridSortNumeric, "1e3", "999", 1},
                    CompareRow{"NaNLast", kGridSortNumeric, "nan", "1e308", 1},
                    CompareRow{"NaNsTie", kGridSortNumeric, "nan", "NAN", 0},
                    CompareRow{"DatesBeforeAfter1970", kGridSortDate, "31.12.69  23:59", "01.01.70  00:00", -1},
                    CompareRow{"DateYearBeatsDay", kGridSortDate, "31.01.26  00:00", "01.02.26  00:00", -1},
                    CompareRow{"TimeOfDay", kGridSortDate, "05.05.05  10:01", "05.05.05  09:59", 1},
                    CompareRow{"BeforeOriginTime", kGridSortDate, "29.12.1899 06:00", "29.12.1899 18:00", -1},
                    CompareRow{"AcrossOrigin", kGridSortDate, "29.12.1899 18:00", "30.12.1899 00:00", -1},
                    CompareRow{"NonDateFirst", kGridSortDate, "нет даты", "01.01.1900", -1},
                    CompareRow{"NonDatesTie", kGridSortDate, "x", "", 0},
                    CompareRow{"TextIgnoresLatinCase", 1, "alpha", "ALPHA", 0},
                    CompareRow{"TextIgnoresCyrillicCase", 4, "Ёлка", "ёЛКА", 0},
                    CompareRow{"TextOrder", 1, "Beta", "alpha", 1}, CompareRow{"CyrillicOrder", 1, "бета", "АЛЬФА", 1},
                    CompareRow{"LatinBeforeCyrillic", 1, "zeta", "альфа", -1},
                    CompareRow{"PrefixFirst", 1, "Пик", "пик 2", -1}),
    [](const testing::TestParamInfo<CompareRow>& info) { return std::string(info.param.name); });

}  // namespace
