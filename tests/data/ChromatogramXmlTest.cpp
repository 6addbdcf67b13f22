// The XML part of chromatogram files: value forms, document tree, and what reading keeps or changes.
#include "data/ChromatogramXml.h"

#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<Channel> ChannelsNumbered(std::initializer_list<int32_t> numbers) {
    std::vector<Channel> channels(numbers.size());
    size_t i = 0;
    for (int32_t number : numbers) channels[i++].number = number;
    return channels;
}

std::string Document(const std::string& passport, const std::string& channels) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><root version=\"1\"><passport version=\"1\">" + passport +
           "</passport><channels version=\"1\">" + channels + "</channels></root>";
}

std::string ChannelElement(int number, const std::string& items) {
    return "<channel><number value=\"" + std::to_string(number) + "\"/><table>" + items + "</table></channel>";
}

void ExpectSameItem(const TableItem& actual, const TableItem& expected) {
    EXPECT_EQ(actual.front, expected.front);
    EXPECT_EQ(actual.back, expected.back);
    EXPECT_EQ(actual.time, expected.time);
    EXPECT_EQ(actual.area, expected.area);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.concent, expected.concent);
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.reference, expected.reference);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.flags, expected.flags);
    EXPECT_EQ(actual.frontBaseHeight, expected.frontBaseHeight);
    EXPECT_EQ(actual.backBaseHeight, expected.backBaseHeight);
    EXPECT_EQ(actual.index, expected.index);
}

struct ItemCase {
    const char* name;
    const char* children;  // the content of one "item" element
    std::function<void(TableItem&)> expect;  // applied to a new item
};

void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.name; }

class ReadItem : public testing::TestWithParam<ItemCase> {};

TEST_P(ReadItem, ConvertsAsTheValueTableSays) {
    std::vector<Channel> channels = ChannelsNumbered({1});
    Passport passport;
    ASSERT_TRUE(ChromatogramXml::Read(
        Document("", ChannelElement(1, std::string("<item>") + GetParam().children + "</item>")), passport, channels));
    ASSERT_EQ(channels[0].table.size(), 1u);
    TableItem expected;
    GetParam().expect(expected);
    ExpectSameItem(channels[0].table[0], expected);
}

constexpr int32_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t int32Min = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadItem,
    testing::Values(
        ItemCase{"EmptyItemHoldsDefaults", "", [](TableItem&) {}},
        ItemCase{"LeftWithoutValueKeepsMinusOne", "<left/>", [](TableItem&) {}},
        ItemCase{"LeftWithoutDigitsIsZero", "<left value=\"abc\"/>", [](TableItem& e) { e.left = 0; }},
        ItemCase{"RightNegative", "<right value=\"-12\"/>", [](TableItem& e) { e.right = -12; }},
        ItemCase{"IntClampedAbove", "<left value=\"99999999999\"/>", [](TableItem& e) { e.left = int32Max; }},
        ItemCase{"IntClampedBelow", "<right value=\"-99999999999\"/>", [](TableItem& e) { e.right = int32Min; }},
        ItemCase{"IntHexadecimal", "<left value=\"0x1F\"/>", [](TableItem& e) { e.left = 31; }},
        ItemCase{"FlagsFullRange", "<flags value=\"4294967295\"/>", [](TableItem& e) { e.flags = 4294967295u; }},
        ItemCase{"FlagsClamped", "<flags value=\"99999999999\"/>", [](TableItem& e) { e.flags = 4294967295u; }},
        ItemCase{"DoubleWithPoint", "<front value=\"1.25\"/>", [](TableItem& e) { e.front = 1.25; }},
        ItemCase{"DoubleLeadingBlank", "<back value=\"  -2.5e3\"/>", [](TableItem& e) { e.back = -2500.0; }},
        ItemCase{"DoubleStopsAtComma", "<time value=\"1,5\"/>", [](TableItem& e) { e.time = 1.0; }},
        ItemCase{"DoubleWithoutDigitsIsZero", "<area value=\"x\"/>", [](TableItem& e) { e.area = 0.0; }},
        ItemCase{"DoubleSeventeenDigits", "<height value=\"0.10000000000000001\"/>",
                 [](TableItem& e) { e.height = 0.1; }},
        ItemCase{"TextUnescaped", "<name value=\"PS &lt;1&gt; &amp; &#1055;\"/>",
                 [](TableItem& e) { e.name = "PS <1> & П"; }},
        ItemCase{"ReferenceYes", "<reference value=\"Yes\"/>", [](TableItem& e) { e.reference = true; }},
        ItemCase{"ReferenceOne", "<reference value=\"1\"/>", [](TableItem& e) { e.reference = true; }},
        ItemCase{"ReferenceTrue", "<reference value=\"true\"/>", [](TableItem& e) { e.reference = true; }},
        ItemCase{"ReferenceNo", "<reference value=\"no\"/>", [](TableItem&) {}},
        ItemCase{"ReferenceZero", "<reference value=\"0\"/>", [](TableItem&) {}},
        ItemCase{"ReferenceEmpty", "<reference value=\"\"/>", [](TableItem&) {}},
        ItemCase{"UnderscoredNames", "<front_base_height value=\"3\"/><back_base_height value=\"4\"/>",
                 [](TableItem& e) {
                     e.frontBaseHeight = 3.0;
                     e.backBaseHeight = 4.0;
                 }},
        ItemCase{"FirstOfTwoSameElements", "<index value=\"1\"/><index value=\"2\"/>",
                 [](TableItem& e) { e.index = 1.0; }},
        ItemCase{"UnknownElementIgnored", "<molarmass value=\"5\"/><concent value=\"6\"/>",
                 [](TableItem& e) { e.concent = 6.0; }}),
    [](const testing::TestParamInfo<ItemCase>& info) { return std::string(info.param.name); });

TEST(ChromatogramXmlDouble, WrittenAsPrintfWithSeventeenDigits) {
    for (double value : {0.0, 1.5, 0.1, -0.0, 1e-320, -2.5e-300, 123456789012345678.0, 1e21, 1e16, 1e17, 0.3,
                         -1.0 / 3.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()}) {
        Passport passport;
        passport.duration = value;
        char expected[64];
        std::snprintf(expected, sizeof expected, "<duration value=\"%.*g\"/>", 17, value);
        EXPECT_NE(ChromatogramXml::Write(passport, {}).find(expected), std::string::npos) << expected;
    }
}

TEST(ChromatogramXmlDouble, PointWhateverTheProcessLocale) {
    const CommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no comma-decimal locale installed";
    std::vector<Channel> channels = ChannelsNumbered({1});
    channels[0].table.resize(1);
    channels[0].table[0].area = 1.25;
    Passport passport;
    passport.duration = 0.1;
    const std::string text = ChromatogramXml::Write(passport, channels);
    EXPECT_NE(text.find("<duration value=\"0.10000000000000001\"/>"), std::string::npos);
    Passport readPassport;
    std::vector<Channel> readChannels = ChannelsNumbered({1});
    ASSERT_TRUE(ChromatogramXml::Read(text, readPassport, readChannels));
    EXPECT_EQ(readPassport.duration, 0.1);
    ASSERT_EQ(readChannels[0].table.size(), 1u);
    EXPECT_EQ(readChannels[0].table[0].area, 1.25);
}

TEST(ChromatogramXmlWrite, DocumentTreeInOrder) {
    Passport passport;
    passport.sample = "a<b";
    passport.anDate = -5;
    passport.graduation = true;
    std::vector<Channel> channels = ChannelsNumbered({2});
    channels[0].table.resize(1);
    channels[0].table[0].molarMass = 100.0;  // worked out, never stored
    channels[0].table[0].componentText = "PS";
    EXPECT_EQ(ChromatogramXml::Write(passport, channels),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?><root version=\"1\"><passport version=\"1\">"
              "<assayid value=\"00000000-0000-0000-0000-000000000000\"/><series value=\"\"/>"
              "<andate value=\"-5\"/><duration value=\"0\"/><sample value=\"a&lt;b\"/><method value=\"\"/>"
              "<graduation value=\"true\"/><date value=\"0\"/><defect value=\"false\"/><mixture value=\"\"/>"
              "</passport><channels version=\"1\"><channel><number value=\"2\"/><table><item>"
              "<front value=\"0\"/><back value=\"0\"/><time value=\"0\"/><area value=\"0\"/>"
              "<height value=\"0\"/><concent value=\"0\"/><name value=\"\"/><reference value=\"false\"/>"
              "<left value=\"-1\"/><right value=\"-1\"/><flags value=\"0\"/><front_base_height value=\"0\"/>"
              "<back_base_height value=\"0\"/><index value=\"0\"/></item></table></channel></channels></root>");
}

Passport FullPassport() {
    Passport passport;
    passport.assayId = "6f1c0a52-1b2e-4c3d-9e8f-0a1b2c3d4e5f";
    passport.series = "S-7";
    passport.anDate = 1700000000;
    passport.duration = 0.1;
    passport.sample = "Полистирол \"A\" & <B>";
    passport.method = "GPC-1";
    passport.graduation = true;
    passport.date = -1;
    passport.defect = true;
    passport.mixture = "THF";
    ColumnInfo column;
    column.channel = 2;
    column.name = "PLgel";
    column.type = -3;
    column.diameter = 7.5;
    column.length = 300.0;
    column.percent = 1e-300;
    column.unit = 4;
    column.fraction1 = -0.0;
    column.serial = "42";
    passport.columns = {column, ColumnInfo{}};
    passport.fields = {{"operator", "Оператор", "Иванов"}, {"x-note", "", "line1\nline2\ttab"}};
    return passport;
}

void ExpectSamePassport(const Passport& actual, const Passport& expected) {
    EXPECT_EQ(actual.assayId, expected.assayId);
    EXPECT_EQ(actual.series, expected.series);
    EXPECT_EQ(actual.anDate, expected.anDate);
    EXPECT_EQ(actual.duration, expected.duration);
    EXPECT_EQ(actual.sample, expected.sample);
    EXPECT_EQ(actual.method, expected.method);
    EXPECT_EQ(actual.graduation, expected.graduation);
    EXPECT_EQ(actual.date, expected.date);
    EXPECT_EQ(actual.defect, expected.defect);
    EXPECT_EQ(actual.mixture, expected.mixture);
    ASSERT_EQ(actual.columns.size(), expected.columns.size());
    for (size_t i = 0; i < actual.columns.size(); ++i) {
        const ColumnInfo& a = actual.columns[i];
        const ColumnInfo& e = expected.columns[i];
        EXPECT_EQ(std::tie(a.channel, a.name, a.brand, a.type, a.diameter, a.length, a.carrier, a.phase),
                  std::tie(e.channel, e.name, e.brand, e.type, e.diameter, e.length, e.carrier, e.phase));
        EXPECT_EQ(std::tie(a.percent, a.unit, a.fraction0, a.fraction1, a.film, a.part, a.serial),
                  std::tie(e.percent, e.unit, e.fraction0, e.fraction1, e.film, e.part, e.serial));
        EXPECT_EQ(std::signbit(a.fraction1), std::signbit(e.fraction1));
    }
    ASSERT_EQ(actual.fields.size(), expected.fields.size());
    for (size_t i = 0; i < actual.fields.size(); ++i)
        EXPECT_EQ(std::tie(actual.fields[i].name, actual.fields[i].title, actual.fields[i].value),
                  std::tie(expected.fields[i].name, expected.fields[i].title, expected.fields[i].value));
}

TEST(ChromatogramXmlRoundTrip, PassportAndTablesComeBackEqual) {
    const Passport passport = FullPassport();
    std::vector<Channel> channels = ChannelsNumbered({1, 5});
    TableItem item;
    item.front = 0.1;
    item.back = std::numeric_limits<double>::max();
    item.time = -std::numeric_limits<double>::denorm_min();
    item.area = 1.0 / 3.0;
    item.name = "PS 1000";
    item.reference = true;
    item.left = int32Min;
    item.right = int32Max;
    item.flags = 0x80000001u;
    item.index = 12.0;
    channels[1].table = {item, TableItem{}};

    Passport readPassport;
    std::vector<Channel> readChannels = ChannelsNumbered({1, 5});
    ASSERT_TRUE(ChromatogramXml::Read(ChromatogramXml::Write(passport, channels), readPassport, readChannels));
    ExpectSamePassport(readPassport, passport);
    EXPECT_TRUE(readChannels[0].table.empty());
    ASSERT_EQ(readChannels[1].table.size(), 2u);
    ExpectSameItem(readChannels[1].table[0], item);
    ExpectSameItem(readChannels[1].table[1], TableItem{});
}

TEST(ChromatogramXmlPassport, UnknownElementsSurviveAfterTheColumns) {
    Passport passport;
    const std::string text = Document(
        "<operator title=\"Оператор\" value=\"Иванов\"/><column><name value=\"C1\"/></column><sample value=\"S\"/>",
        "");
    std::vector<Channel> channels;
    ASSERT_TRUE(ChromatogramXml::Read(text, passport, channels));
    ASSERT_EQ(passport.fields.size(), 1u);
    EXPECT_EQ(passport.fields[0].name, "operator");
    ASSERT_EQ(passport.columns.size(), 1u);
    EXPECT_EQ(passport.columns[0].name, "C1");
    EXPECT_EQ(passport.sample, "S");

    const std::string written = ChromatogramXml::Write(passport, channels);
    const size_t column = written.find("</column>");
    const size_t field = written.find("<operator title=\"Оператор\" value=\"Иванов\"/>");
    ASSERT_NE(field, std::string::npos);
    EXPECT_LT(column, field);
    EXPECT_EQ(written.find("</passport>"),
              field + std::string("<operator title=\"Оператор\" value=\"Иванов\"/>").size());
}

TEST(ChromatogramXmlPassport, MissingElementsKeepPreviousValuesAndListsAreReplaced) {
    Passport passport;
    passport.series = "old";
    passport.duration = 4.5;
    passport.columns.resize(3);
    passport.fields = {{"a", "b", "c"}};
    std::vector<Channel> channels;
    ASSERT_TRUE(
        ChromatogramXml::Read(Document("<sample/><method value=\"M\"/><method value=\"N\"/>", ""), passport, channels));
    EXPECT_EQ(passport.assayId, "00000000-0000-0000-0000-000000000000");
    EXPECT_EQ(passport.series, "old");
    EXPECT_EQ(passport.duration, 4.5);
    EXPECT_EQ(passport.sample, "");  // present without a value: the default
    EXPECT_EQ(passport.method, "N");  // the later one wins
    EXPECT_TRUE(passport.columns.empty());
    EXPECT_TRUE(passport.fields.empty());
}

TEST(ChromatogramXmlPassport, TextNodeBecomesFieldWithoutName) {
    Passport passport;
    std::vector<Channel> channels;
    ASSERT_TRUE(ChromatogramXml::Read(Document("loose text<!-- dropped --><?pi dropped?>", ""), passport, channels));
    ASSERT_EQ(passport.fields.size(), 1u);
    EXPECT_EQ(passport.fields[0].name, "");
}

struct TablesCase {
    const char* name;
    std::string channelsContent;
    std::vector<size_t> expectedSizes;  // table size of the channels numbered 1 and 2
    std::string expectedFirstName;  // name of the first item of channel 1, if any
};

void PrintTo(const TablesCase& c, std::ostream* out) { *out << c.name; }

class ReadTables : public testing::TestWithParam<TablesCase> {};

TEST_P(ReadTables, FindsChannelsByNumber) {
    std::vector<Channel> channels = ChannelsNumbered({1, 2});
    channels[1].table.resize(1);  // a table the document does not mention stays as it was
    Passport passport;
    ASSERT_TRUE(ChromatogramXml::Read(Document("", GetParam().channelsContent), passport, channels));
    EXPECT_EQ((std::vector<size_t>{channels[0].table.size(), channels[1].table.size()}), GetParam().expectedSizes);
    if (!channels[0].table.empty()) {
        EXPECT_EQ(channels[0].table[0].name, GetParam().expectedFirstName);
    }
}

const std::string itemNamed = "<item><name value=\"first\"/></item>";

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadTables,
    testing::Values(
        TablesCase{"NumberNotInFileChangesNothing", ChannelElement(7, itemNamed), {0, 1}, ""},
        TablesCase{
            "SecondOfSameNumberReplacesFirst",
            ChannelElement(1, itemNamed + itemNamed) + ChannelElement(1, "<item><name value=\"second\"/></item>"),
            {1, 1},
            "second"},
        TablesCase{"EmptyTableEmptiesChannel", ChannelElement(2, ""), {0, 0}, ""},
        TablesCase{"NegativeNumberSkipped", ChannelElement(-1, itemNamed), {0, 1}, ""},
        TablesCase{"MissingNumberSkipped", "<channel><table>" + itemNamed + "</table></channel>", {0, 1}, ""},
        TablesCase{"OtherElementsIgnored",
                   "<other/><channel><number value=\"1\"/><x/><table><y/>" + itemNamed + "</table></channel>",
                   {1, 1},
                   "first"}),
    [](const testing::TestParamInfo<TablesCase>& info) { return std::string(info.param.name); });

TEST(ChromatogramXmlRead, RootOfAnotherNameChangesNothing) {
    Passport passport;
    passport.sample = "kept";
    std::vector<Channel> channels = ChannelsNumbered({1});
    channels[0].table.resize(2);
    ASSERT_TRUE(ChromatogramXml::Read(
        "<other><passport><sample value=\"x\"/></passport><channels>" + ChannelElement(1, "") + "</channels></other>",
        passport, channels));
    EXPECT_EQ(passport.sample, "kept");
    EXPECT_EQ(channels[0].table.size(), 2u);
}

TEST(ChromatogramXmlRead, UnparsableTextChangesNothing) {
    for (const std::string text : {"", "   ", "<root><passport>", "not xml", "<root a=\"1></root>"}) {
        Passport passport;
        passport.sample = "kept";
        std::vector<Channel> channels;
        EXPECT_FALSE(ChromatogramXml::Read(text, passport, channels)) << text;
        EXPECT_EQ(passport.sample, "kept");
    }
}

TEST(ChromatogramXmlRead, DeepNestingIsReadWithoutRecursion) {
    constexpr int depth = 1000000;
    std::string nested;
    nested.reserve(depth * 7);
    for (int i = 0; i < depth; ++i) nested += "<a>";
    for (int i = 0; i < depth; ++i) nested += "</a>";
    Passport passport;
    std::vector<Channel> channels;
    ASSERT_TRUE(ChromatogramXml::Read(Document(nested, ""), passport, channels));
    ASSERT_EQ(passport.fields.size(), 1u);
    EXPECT_EQ(passport.fields[0].name, "a");
    EXPECT_NE(ChromatogramXml::Write(passport, channels).find("<a title=\"\" value=\"\"/>"), std::string::npos);
}

TEST(ChromatogramXmlRead, EntitiesOfADocumentTypeAreNeverExpanded) {
    std::string doctype = "<!DOCTYPE root [<!ENTITY lol \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        doctype += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j) doctype += "&lol" + (i == 1 ? std::string() : std::to_string(i - 1)) + ";";
        doctype += "\">";
    }
    doctype += "]>";
    const std::string text =
        doctype +
        "<root><passport><sample value=\"&lol9;\"/><bomb title=\"&lol9;\" value=\"&lol9;\"/></passport></root>";
    Passport passport;
    std::vector<Channel> channels;
    ASSERT_TRUE(ChromatogramXml::Read(text, passport, channels));
    EXPECT_EQ(passport.sample, "&lol9;");
    ASSERT_EQ(passport.fields.size(), 1u);
    EXPECT_EQ(passport.fields[0].value, "&lol9;");
}

}  // namespace
