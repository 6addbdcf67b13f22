#include "data/Assay.h"
#include "data/TableItem.h"

#include <gtest/gtest.h>

#include <limits>

struct IndexOfTimeCase {
    const char* name;
    double value1;
    double value2;
    double t;
    int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const IndexOfTimeCase& c) { return out << c.name; }

class ChannelIndexOfTime : public testing::TestWithParam<IndexOfTimeCase> {};

TEST_P(ChannelIndexOfTime, MapsTimeToSample) {
    const IndexOfTimeCase& c = GetParam();
    Channel channel;
    channel.value1 = c.value1;
    channel.value2 = c.value2;
    channel.samples.assign(4, 1.0f);
    EXPECT_EQ(channel.IndexOfTime(c.t), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelIndexOfTime,
    testing::Values(IndexOfTimeCase{"ZeroStepGivesZero", 2.0, 0.0, 100.0, 0},
                    IndexOfTimeCase{"BeforeFirstSampleGivesZero", 2.0, 0.5, 1.99, 0},
                    IndexOfTimeCase{"TruncatesTowardZero", 2.0, 0.5, 3.74, 3},
                    IndexOfTimeCase{"PastTheEndIsNotLimited", 2.0, 0.5, 10.0, 16},
                    IndexOfTimeCase{"NegativeStepFarTimeStaysDefined", 0.0, -1e-300, 1e10,
                                    std::numeric_limits<int32_t>::min()},
                    IndexOfTimeCase{"NanTimeStaysDefined", 0.0, 0.5, std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<int32_t>::max()}),
    [](const testing::TestParamInfo<IndexOfTimeCase>& info) { return std::string(info.param.name); });

TEST(Channel, CopyTakesEveryFieldAndSharesTheSamples) {
    Channel source;
    source.number = 7;
    source.name = "RI";
    source.value1 = 1.5;
    source.value2 = 0.25;
    source.marker = 3;
    source.samples = {1.0f, 2.0f};
    source.table.resize(2);
    source.table[1].name = "PS-1";

    Channel destination;
    destination = source;
    EXPECT_EQ(destination.number, 7);
    EXPECT_EQ(destination.name, "RI");
    EXPECT_EQ(destination.value1, 1.5);
    EXPECT_EQ(destination.value2, 0.25);
    EXPECT_EQ(destination.marker, 3);
    EXPECT_EQ(destination.samples, source.samples);
    ASSERT_EQ(destination.table.size(), 2u);
    EXPECT_EQ(destination.table[1].name, "PS-1");
    EXPECT_TRUE(destination.samples.SharesValuesWith(source.samples));
    EXPECT_EQ(destination.IndexOfTime(2.0), 2);
}

TEST(TableItem, NewItemHoldsDefaults) {
    const TableItem item;
    EXPECT_EQ(item.left, -1);
    EXPECT_EQ(item.right, -1);
    EXPECT_FALSE(item.reference);
    EXPECT_TRUE(item.name.empty());
    EXPECT_TRUE(item.componentText.empty());
    for (double value : {item.front, item.back, item.time, item.area, item.height, item.concent, item.molarMass,
                         item.frontBaseHeight, item.backBaseHeight, item.index})
        EXPECT_EQ(value, 0.0);
    EXPECT_EQ(item.flags, 0u);
}

TEST(Assay, NewAssayHasNoBlockRead) {
    const Assay assay;
    EXPECT_EQ(assay.lastValue1, -1.7976931348623157e308);
    EXPECT_EQ(assay.lastValue2, -1.7976931348623157e308);
    EXPECT_EQ(assay.included, 0);
}
