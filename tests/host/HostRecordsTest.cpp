// The argument records of the host interface and the UTF-16 texts passed with them.
#include "host/HostRecords.h"
#include "host/HostText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

struct MenuPathCase {
    const char* name;
    std::string path;
    std::vector<std::string> levels;
};

class SplitMenuPathTest : public testing::TestWithParam<MenuPathCase> {};

TEST_P(SplitMenuPathTest, SplitsAtSlashes) { EXPECT_EQ(SplitMenuPath(GetParam().path), GetParam().levels); }

INSTANTIATE_TEST_SUITE_P(Cases, SplitMenuPathTest,
                         testing::Values(MenuPathCase{"ThreeLevels",
                                                      "Данные/Расчёты/Гель хроматография",
                                                      {"Данные", "Расчёты", "Гель хроматография"}},
                                         MenuPathCase{"SingleLevel", "Tools", {"Tools"}},
                                         MenuPathCase{"EmptyLevelsDropped", "/a//b/", {"a", "b"}},
                                         MenuPathCase{"EmptyPath", "", {}}, MenuPathCase{"OnlySlashes", "//", {}}),
                         [](const testing::TestParamInfo<MenuPathCase>& info) { return std::string(info.param.name); });

TEST(ReadMenuRecord, TakesPathAndCommand) {
    const CreateNewMenuRecord record = {sizeof(CreateNewMenuRecord), u"Данные/Гель", 0, "x/Cmd"};
    const auto request = ReadMenuRecord(&record);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->levels, (std::vector<std::string>{"Данные", "Гель"}));
    EXPECT_EQ(request->commandName, "x/Cmd");
}

TEST(ReadMenuRecord, RejectsIncompleteRecords) {
    const CreateNewMenuRecord noPath = {sizeof(CreateNewMenuRecord), nullptr, 0, "x/Cmd"};
    const CreateNewMenuRecord emptyPath = {sizeof(CreateNewMenuRecord), u"/", 0, "x/Cmd"};
    const CreateNewMenuRecord noCommand = {sizeof(CreateNewMenuRecord), u"A/B", 0, nullptr};
    const CreateNewMenuRecord emptyCommand = {sizeof(CreateNewMenuRecord), u"A/B", 0, ""};
    EXPECT_FALSE(ReadMenuRecord(nullptr));
    EXPECT_FALSE(ReadMenuRecord(&noPath));
    EXPECT_FALSE(ReadMenuRecord(&emptyPath));
    EXPECT_FALSE(ReadMenuRecord(&noCommand));
    EXPECT_FALSE(ReadMenuRecord(&emptyCommand));
}

TEST(WriteAssayIds, WritesAtMostTheCapacity) {
    std::array<int32_t, 4> ids{};
    AssayIdList list{ids.data(), 2};
    EXPECT_EQ(WriteAssayIds({12, 7, 40}, &list), 2);
    EXPECT_EQ(ids, (std::array<int32_t, 4>{12, 7, 0, 0}));
    list.capacity = 4;
    EXPECT_EQ(WriteAssayIds({}, &list), 0);
}

TEST(WriteAssayIds, UnusableListGetsNothing) {
    std::array<int32_t, 2> ids{};
    AssayIdList noArray{nullptr, 2};
    AssayIdList noRoom{ids.data(), 0};
    EXPECT_EQ(WriteAssayIds({1}, nullptr), 0);
    EXPECT_EQ(WriteAssayIds({1}, &noArray), 0);
    EXPECT_EQ(WriteAssayIds({1}, &noRoom), 0);
    EXPECT_EQ(ids[0], 0);
}

TEST(HostText, ReadsUtf16AndMendsBrokenSurrogates) {
    EXPECT_EQ(ReadHostText(u"Гель"), "Гель");
    EXPECT_EQ(ReadHostText(u""), "");
    EXPECT_FALSE(ReadHostText(nullptr));
    const char16_t lone[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(ReadHostText(lone), "a?b");
}

TEST(HostText, CopyCutsToCapacityWithoutSplittingPairs) {
    char16_t buffer[8] = {};
    ASSERT_TRUE(CopyHostText(u"abcdefghij", buffer, 4));
    EXPECT_EQ(std::u16string(buffer), u"abc");
    // U+1D11E takes two units: with room for one before the zero, it is left out whole.
    ASSERT_TRUE(CopyHostText(u"a\U0001D11E", buffer, 3));
    EXPECT_EQ(std::u16string(buffer), u"a");
    ASSERT_TRUE(CopyHostText(u"a\U0001D11E", buffer, 4));
    EXPECT_EQ(std::u16string(buffer), u"a\U0001D11E");
    EXPECT_FALSE(CopyHostText(u"abc", buffer, 0));
    EXPECT_FALSE(CopyHostText(u"abc", nullptr, 4));
}

}  // namespace
