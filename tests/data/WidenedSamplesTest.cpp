// A record's signals: 32-bit samples read as float64 lists, exactly widened, sharing the channel's samples.
#include "data/WidenedSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(WidenedSamples, ReadsEachSampleWidenedExactly) {
    // 0.1f is 13421773 * 2^-27; -3.5f and 1e30f widen to themselves in double.
    const WidenedSamples signal(SampleBuffer<float>(std::vector<float>{0.1f, -3.5f, 1e30f}));
    EXPECT_EQ(signal.Values(), (std::vector<double>{0.100000001490116119384765625, -3.5, 1.0000000150474662e30}));
    EXPECT_TRUE(WidenedSamples().Values().empty());
}

struct ComparisonCase {
    const char* name;
    std::vector<double> values;
    bool equal;
};

class WidenedComparison : public testing::TestWithParam<ComparisonCase> {};

// The comparison is that of the widened list: same length, every value the widened sample.
TEST_P(WidenedComparison, ComparesTheWidenedValues) {
    const WidenedSamples signal(SampleBuffer<float>(std::vector<float>{0.1f, 2.0f}));
    EXPECT_EQ(signal == GetParam().values, GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(Cases, WidenedComparison,
                         testing::Values(ComparisonCase{"Widened", {0.100000001490116119384765625, 2.0}, true},
                                         ComparisonCase{"DecimalNotWidened", {0.1, 2.0}, false},
                                         ComparisonCase{"Shorter", {0.100000001490116119384765625}, false},
                                         ComparisonCase{"Longer", {0.100000001490116119384765625, 2.0, 0.0}, false},
                                         ComparisonCase{"Empty", {}, false}),
                         [](const testing::TestParamInfo<ComparisonCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(WidenedSamples, SharesTheSamplesItWasGivenWithoutCopying) {
    const SampleBuffer<float> samples(std::vector<float>{1.0f, 2.0f});
    const WidenedSamples signal(samples);
    const WidenedSamples copy = signal;
    EXPECT_TRUE(signal.SharesValuesWith(samples));
    EXPECT_TRUE(copy.SharesValuesWith(signal));
    EXPECT_FALSE(signal.SharesValuesWith(SampleBuffer<float>(std::vector<float>{1.0f, 2.0f})));
}
