// The display-free workbench logic: calibration points, their flags, and the channel list with its
// method check.
#include "base/MessageSink.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/ChannelList.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TableItem Item(double time, double concent) {
    TableItem item;
    item.time = time;
    item.concent = concent;
    return item;
}

Assay MakeAssay(int32_t id, const std::string& method, int channels, int32_t included = 1) {
    Assay assay;
    assay.id = id;
    assay.method = method;
    assay.included = included;
    assay.channels.resize(channels);
    return assay;
}

std::vector<int32_t> Included(const WorkbenchState& state) {
    std::vector<int32_t> marks;
    for (const Assay& assay : state.Assays) marks.push_back(assay.included);
    return marks;
}

TEST(PointFlags, OnePerItemWithPositiveTimeAndConcentration) {
    std::vector<Assay> assays = {MakeAssay(1, "m", 1), MakeAssay(2, "m", 1), MakeAssay(3, "m", 0)};
    assays[0].channels[0].table = {Item(5, 1), Item(0, 1)};
    assays[1].channels[0].table = {Item(6, 0), Item(7, 2)};
    EXPECT_EQ(RebuildPointFlags(assays, 0), (std::vector<int32_t>{1, 1}));
    EXPECT_TRUE(RebuildPointFlags(assays, 1).empty());
    EXPECT_TRUE(RebuildPointFlags(assays, -1).empty());
}

TEST(PointFlags, ExcludedAssaysAndNaNDoNotCount) {
    std::vector<Assay> assays = {MakeAssay(1, "m", 1, 0), MakeAssay(2, "m", 1)};
    assays[0].channels[0].table = {Item(5, 1)};
    assays[1].channels[0].table = {Item(std::nan(""), 1), Item(2, std::nan("")), Item(3, 4)};
    EXPECT_EQ(RebuildPointFlags(assays, 0), (std::vector<int32_t>{1}));
}

class ChannelListTest : public testing::Test {
protected:
    WorkbenchState state;
    RecordingMessageSink messages;
};

TEST_F(ChannelListTest, NoIncludedAssayGivesNoEntries) {
    state.Assays = {MakeAssay(1, "m", 2, 0)};
    state.ChannelIndex = 3;
    const ChannelListResult result = RebuildChannels(state, -1, messages);
    EXPECT_TRUE(result.rebuilt);
    EXPECT_EQ(result.entries, 0);
    EXPECT_EQ(state.ChannelIndex, 0);
}

TEST_F(ChannelListTest, EntriesCoverTheLargestChannelCount) {
    state.Assays = {MakeAssay(1, "m", 2), MakeAssay(2, "m", 4), MakeAssay(3, "m", 9, 0)};
    EXPECT_EQ(RebuildChannels(state, -1, messages).entries, 4);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ChannelListTest, EntriesFollowTheChangedRow) {
    state.Assays = {MakeAssay(1, "m", 4), MakeAssay(2, "m", 2)};
    EXPECT_EQ(RebuildChannels(state, 1, messages).entries, 2);
}

TEST_F(ChannelListTest, MixedMethodsAfterLoadingExcludeAllWithoutAsking) {
    state.Assays = {MakeAssay(1, "GPC-1", 1), MakeAssay(2, "gpc-1", 3), MakeAssay(3, "GPC-1", 5)};
    const ChannelListResult result = RebuildChannels(state, -1, messages);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Included(state), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(result.entries, 3);  // the assay that differed still offered its channels
}

struct AnswerCase {
    const char* name;
    MessageSink::Answer answer;
    std::vector<int32_t> included;
    bool rebuilt;
};

std::ostream& operator<<(std::ostream& out, const AnswerCase& c) { return out << c.name; }

class MethodQuestion : public ChannelListTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(MethodQuestion, IncludingAnotherMethodAsks) {
    state.Assays = {MakeAssay(1, "A", 2), MakeAssay(2, "B", 3)};
    state.ChannelIndex = 1;
    messages.answers.push_back(GetParam().answer);
    const ChannelListResult result = RebuildChannels(state, 1, messages);
    ASSERT_EQ(messages.texts, std::vector<std::string>{"Выбран другой метод, хотите переключиться на него?"});
    EXPECT_EQ(messages.captions[0], "Подтверждение изменения метода");
    EXPECT_EQ(Included(state), GetParam().included);
    EXPECT_EQ(result.rebuilt, GetParam().rebuilt);
    EXPECT_EQ(state.ChannelIndex, GetParam().rebuilt ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, MethodQuestion,
                         testing::Values(AnswerCase{"OkKeepsOnlyTheNewAssay", MessageSink::Answer::Ok, {0, 1}, true},
                                         AnswerCase{
                                             "CancelExcludesTheNewAssay", MessageSink::Answer::Cancel, {1, 0}, false}),
                         [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST_F(ChannelListTest, FirstIncludedAssayNeverAsks) {
    state.Assays = {MakeAssay(1, "A", 2, 0), MakeAssay(2, "B", 3)};
    EXPECT_EQ(RebuildChannels(state, 1, messages).entries, 3);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ChannelListTest, ChangedRowOutOfRangeIsHarmless) {
    state.Assays = {MakeAssay(1, "A", 2), MakeAssay(2, "B", 3)};
    messages.answers.push_back(MessageSink::Answer::Ok);
    const ChannelListResult result = RebuildChannels(state, 7, messages);
    EXPECT_TRUE(result.rebuilt);
    EXPECT_EQ(Included(state), (std::vector<int32_t>{0, 0}));
}

}  // namespace
