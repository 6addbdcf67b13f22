// Texts of a samples table row: six significant digits without an exponent, the share outside the
// calibrated times and its mark, the file name as the lists show it.
#include "gpc/SampleRowTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct AverageCase {
    double value;
    const char* expected;
};

TEST(SampleRowTexts, AveragesKeepSixSignificantDigitsWithoutAnExponent) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const AverageCase cases[] = {
        {25228.6249, "25228.6"},
        {1.052341, "1.05234"},
        {123456789.0, "123456789"},
        {999999.7, "1000000"},
        {0.000123456789, "0.000123457"},
        {0.0, "0"},
        {-3.5, "-3.50000"},
        {nan, "nan"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const AverageCase& c : cases) EXPECT_EQ(AverageText(c.value), c.expected) << c.value;
}

TEST(SampleRowTexts, RowHoldsFileSampleAveragesAndTheShareOutside) {
    Assay assay;
    assay.fileName = "C:\\Lab\\2026\\pmma 7.chr";
    assay.sample = "PMMA 7";
    AssayResults results;
    results.assayIndex = 3;
    results.averages = {25228.62, 51000.4, 2.0215, 80123.0, 120456.7, 40000.0};
    results.outsideRange = 1.005;
    const SampleRow row = SampleRowOf(assay, results);
    const decltype(row.texts) expected{"pmma 7.chr", "PMMA 7", "25228.6", "51000.4", "2.02150",
                                       "80123.0",    "120457", "40000.0", "1.00"};
    EXPECT_EQ(row.texts, expected);
    EXPECT_TRUE(row.outsideMarked) << "1.005 % is above the 1 % mark even where its text rounds to 1.00";
    EXPECT_EQ(row.assayIndex, 3);
}

struct MarkCase {
    double outside;
    const char* text;
    bool marked;
};

TEST(SampleRowTexts, MarksOnlyASharePlainlyAboveOnePercent) {
    const MarkCase cases[] = {{0.0, "0.00", false},
                              {1.0, "1.00", false},
                              {1.2345, "1.23", true},
                              {100.0, "100.00", true},
                              {std::numeric_limits<double>::quiet_NaN(), "nan", false}};
    for (const MarkCase& c : cases) {
        AssayResults results;
        results.outsideRange = c.outside;
        const SampleRow row = SampleRowOf(Assay{}, results);
        EXPECT_EQ(row.texts[static_cast<size_t>(SampleColumn::OutsideRange)], c.text) << c.outside;
        EXPECT_EQ(row.outsideMarked, c.marked) << c.outside;
    }
}

TEST(SampleRowTexts, ShownFileNameIsThePartAfterEitherSlash) {
    EXPECT_EQ(ShownFileName("C:\\data\\a.chr"), "a.chr");
    EXPECT_EQ(ShownFileName("/home/lab/b.chr"), "b.chr");
    EXPECT_EQ(ShownFileName("c.chr"), "c.chr");
    EXPECT_EQ(ShownFileName("dir/"), "");
}

}  // namespace

namespace {

TEST(SampleRowTexts, TabSeparatedTableKeepsEveryLineInItsColumns) {
    const std::array<std::string, 9> titles{"File", "Sample", "Mn", "Mw", "Mw/Mn", "Mz", "Mz+1", "Mp", "Out, %"};
    SampleRow first;
    first.texts = {"a.chr", "PS\t7\r\nb", "1", "2", "2.00000", "3", "4", "5", "0.00"};
    SampleRow second;
    second.texts = {"b.chr", "", "10", "20", "2.00000", "30", "40", "50", "12.50"};
    EXPECT_EQ(TabSeparatedSamples(titles, {first, second}),
              "File\tSample\tMn\tMw\tMw/Mn\tMz\tMz+1\tMp\tOut, %\n"
              "a.chr\tPS 7  b\t1\t2\t2.00000\t3\t4\t5\t0.00\n"
              "b.chr\t\t10\t20\t2.00000\t30\t40\t50\t12.50\n");
    EXPECT_EQ(TabSeparatedSamples(titles, {}), "File\tSample\tMn\tMw\tMw/Mn\tMz\tMz+1\tMp\tOut, %\n");
}

}  // namespace
