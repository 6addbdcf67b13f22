#include "ComponentsFolder.h"
#include "base/FixedEnvironment.h"
#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A private folder holding one components file written in code page 1251 from UTF-8 text.
class ComponentsFile : public ComponentsFolder {
protected:
    void WriteUtf8(const std::string& utf8) const { WriteBytes(codec.FromUtf8(utf8)); }
    std::string ReadUtf8() const { return codec.ToUtf8(Bytes()); }
};

const std::string kHeader = "№;Компонент;Имя компонента;Молярная масса\r\n";

TEST_F(ComponentsFile, ReadsComponentsInFileOrder) {
    WriteUtf8(kHeader + "1;PS-1;Полистирол 1000;1000.00\r\n2;PS-2;Полистирол 2000;2000.50\r\n");
    ASSERT_TRUE(table.LoadTable());
    ASSERT_EQ(table.components.size(), 2u);
    EXPECT_EQ(table.components[0].id, 1);
    EXPECT_EQ(table.components[0].component, "PS-1");
    EXPECT_EQ(table.components[0].componentName, "Полистирол 1000");
    EXPECT_EQ(table.components[0].molarMass, 1000.0);
    EXPECT_EQ(table.components[1].molarMass, 2000.5);
    EXPECT_EQ(table.nextId, 3);
    EXPECT_EQ(table.headerLength, static_cast<int32_t>(codec.FromUtf8(kHeader).size()));
}

TEST_F(ComponentsFile, LargestIdWrapsTheNextIdAround) {
    WriteUtf8(kHeader + "1;a;A;1\r\n2147483647;b;B;2\r\n");
    ASSERT_TRUE(table.LoadTable());
    EXPECT_EQ(table.nextId, INT32_MIN);
    EXPECT_EQ(IdAfter(INT32_MIN), INT32_MIN + 1);
}

TEST_F(ComponentsFile, HeaderOnlyGivesEmptyTableAndSavingAppendsAfterIt) {
    const std::string header = "id;key;name;mass;extra\r\n";
    WriteUtf8(header);
    table.nextId = 5;
    ASSERT_TRUE(table.LoadTable());
    EXPECT_TRUE(table.components.empty());
    EXPECT_EQ(table.headerLength, static_cast<int32_t>(header.size()));
    EXPECT_EQ(table.nextId, 5);
    table.components.push_back({5, "PMMA-1", "ПММА", 1500.0});
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(ReadUtf8(), header + "5;PMMA-1;ПММА;1500.00\r\n");
}

struct LineCase {
    const char* name;
    const char* data;  // data lines after the header, UTF-8
    int components;
    int32_t id;
    const char* key;
    const char* displayName;
    double molarMass;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) { return out << c.name; }

class ComponentsLines : public ComponentsFile, public testing::WithParamInterface<LineCase> {};

TEST_P(ComponentsLines, ReadAsTheFormatSays) {
    const LineCase& c = GetParam();
    WriteUtf8(kHeader + c.data);
    table.LoadTable();
    ASSERT_EQ(static_cast<int>(table.components.size()), c.components);
    if (c.components == 0) return;
    const Component& first = table.components.front();
    EXPECT_EQ(first.id, c.id);
    EXPECT_EQ(first.component, c.key);
    EXPECT_EQ(first.componentName, c.displayName);
    EXPECT_EQ(first.molarMass, c.molarMass);
}

TEST_P(ComponentsLines, ReadAndWrittenInMemoryAsInTheFile) {
    const std::string bytes = codec.FromUtf8(kHeader + GetParam().data);
    WriteBytes(bytes);
    table.nextId = 5;
    table.LoadTable();
    ComponentsTable inMemory;
    inMemory.nextId = 5;
    inMemory.ReadFileBytes(bytes, codec);
    EXPECT_EQ(inMemory.headerLength, table.headerLength);
    EXPECT_EQ(inMemory.nextId, table.nextId);
    ASSERT_EQ(inMemory.components.size(), table.components.size());
    for (size_t i = 0; i < table.components.size(); ++i) {
        EXPECT_EQ(inMemory.components[i].id, table.components[i].id);
        EXPECT_EQ(inMemory.components[i].component, table.components[i].component);
        EXPECT_EQ(inMemory.components[i].componentName, table.components[i].componentName);
        EXPECT_EQ(inMemory.components[i].molarMass, table.components[i].molarMass);
    }
    std::string written;
    ASSERT_TRUE(inMemory.FileBytes(bytes.substr(0, static_cast<size_t>(inMemory.headerLength)), codec, written));
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(written, Bytes());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComponentsLines,
    testing::Values(LineCase{"EmptyMassReadsZero", "7;ab;cd;\r\n", 1, 7, "ab", "cd", 0.0},
                    LineCase{"LastLineWithoutCrLfIsLost", "1;a;b;1\r\n2;c;d;2", 1, 1, "a", "b", 1.0},
                    LineCase{"OnlyLineWithoutCrLfIsLost", "1;a;b;1", 0, 0, "", "", 0.0},
                    LineCase{"LoneCrAndLfAreOrdinaryBytes", "3;a\rb;c\nd;4.5\r\n", 1, 3, "a\rb", "c\nd", 4.5},
                    LineCase{"FieldsBeyondTheFourthIgnored", "4;k;n;12.25;x;y\r\n", 1, 4, "k", "n", 12.25},
                    LineCase{"ShortLineIsNoComponent", "\r\n1;a;b\r\n2;k;n;3\r\n", 1, 2, "k", "n", 3.0},
                    LineCase{"UnreadableNumbersReadZero", "x;k;n;abc\r\n", 1, 0, "k", "n", 0.0},
                    LineCase{"CommaMassStopsAtComma", "1;k;n;1,5\r\n", 1, 1, "k", "n", 1.0}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST_F(ComponentsFile, LongFieldKeepsItsFirst198Bytes) {
    WriteUtf8(kHeader + "1;" + std::string(500, 'k') + ";n;2\r\n");
    table.LoadTable();
    ASSERT_EQ(table.components.size(), 1u);
    EXPECT_EQ(table.components[0].component, std::string(198, 'k'));
    EXPECT_EQ(table.components[0].componentName, "n");
}

// The file is read 64 KiB at a time: a CR LF or a lone CR at that boundary reads as anywhere else.
TEST_F(ComponentsFile, LineEndsAtTheReadBoundaryReadAsAnywhere) {
    constexpr size_t kBoundary = 65536;
    // What follows the last component's name, and what its name then reads as after the n's.
    for (const auto& [afterName, nameEnd] : {std::pair<std::string, std::string>{";1\r\n", ""}, {"\rx;1\r\n", "\rx"}}) {
        std::string bytes = codec.FromUtf8(kHeader);
        int32_t id = 0;
        while (bytes.size() < kBoundary - 100) bytes += std::to_string(++id) + ";k;n;1\r\n";
        const std::string start = std::to_string(++id) + ";k;";
        // The name's length puts the first CR after it on the last byte before the boundary.
        const std::string name(kBoundary - 1 - bytes.size() - start.size() - afterName.find('\r'), 'n');
        bytes += start + name + afterName;
        ASSERT_EQ(bytes[kBoundary - 1], '\r');
        WriteBytes(bytes);
        ASSERT_TRUE(table.LoadTable());
        ASSERT_EQ(table.components.size(), static_cast<size_t>(id)) << nameEnd;
        EXPECT_EQ(table.components.back().componentName, name + nameEnd);
    }
}

TEST_F(ComponentsFile, DeletingTheLastTwoComponentsShortensTheFile) {
    WriteUtf8(kHeader + "1;a;A;1.00\r\n2;b;B;2.00\r\n3;c;C;3.00\r\n");
    table.LoadTable();
    table.components.resize(1);
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(ReadUtf8(), kHeader + "1;a;A;1.00\r\n");
}

TEST_F(ComponentsFile, RoundTripKeepsHeaderBytesAndWritesTheFormat) {
    const std::string header = "Любой заголовок;;\r\n";
    WriteUtf8(header + "1;PS-1;Полистирол;1000\r\n");
    table.LoadTable();
    table.components.push_back({9, "X", "", kNoMolarMass});
    table.components.push_back({10, "Y", "y", 0.125});
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(
        ReadUtf8(),
        header + "1;PS-1;Полистирол;1000.00\r\n9;X;;\r\n10;Y;y;0.12\r\n");  // printf rounds the exact 0.125 to even
    ComponentsTable again;
    again.filePath = table.filePath;
    again.LoadTable();
    ASSERT_EQ(again.components.size(), 3u);
    EXPECT_EQ(again.components[1].molarMass, 0.0);  // the no-value mark is written as an empty field
    EXPECT_EQ(again.nextId, 11);
}

TEST_F(ComponentsFile, MissingFileIsCreatedEmptyAndSavedWithDefaultHeader) {
    ASSERT_TRUE(table.LoadTable());
    EXPECT_TRUE(fs::exists(table.filePath));
    EXPECT_EQ(table.headerLength, -1);
    table.components.push_back({0, "PS-1", "Полистирол", 1000.0});
    std::string inMemory;
    ASSERT_TRUE(table.FileBytes("", codec, inMemory));
    EXPECT_EQ(codec.ToUtf8(inMemory), kHeader + "0;PS-1;Полистирол;1000.00\r\n");
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(ReadUtf8(), kHeader + "0;PS-1;Полистирол;1000.00\r\n");
    EXPECT_EQ(table.headerLength, static_cast<int32_t>(codec.FromUtf8(kHeader).size()));
}

TEST_F(ComponentsFile, NoPathReadsNothingAndSaveFails) {
    table.filePath.clear();
    EXPECT_FALSE(table.LoadTable());
    EXPECT_EQ(table.headerLength, -1);
    table.components.push_back({1, "a", "b", 1.0});
    const Status result = table.SaveTable();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.id, MessageId::NoDocumentsFolder);
    EXPECT_FALSE(result.Description().empty());
}

std::string Repeated(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
}

TEST_F(ComponentsFile, FieldsOf198BytesInTheCodePageSaveAndReadBackWhole) {
    WriteUtf8(kHeader);
    table.LoadTable();
    table.components.push_back({1, std::string(198, 'k'), Repeated("Я", 198), 1.0});
    ASSERT_TRUE(table.SaveTable());
    ComponentsTable again;
    again.filePath = table.filePath;
    ASSERT_TRUE(again.LoadTable());
    ASSERT_EQ(again.components.size(), 1u);
    EXPECT_EQ(again.components[0].component, table.components[0].component);
    EXPECT_EQ(again.components[0].componentName, table.components[0].componentName);
}

struct BadSaveCase {
    const char* name;
    Component component;
    MessageId why;
};

std::ostream& operator<<(std::ostream& out, const BadSaveCase& c) { return out << c.name; }

class ComponentsRefusedSave : public ComponentsFile, public testing::WithParamInterface<BadSaveCase> {};

TEST_P(ComponentsRefusedSave, LeavesTheFileUntouched) {
    const std::string original = kHeader + "1;a;A;1.00\r\n";
    WriteUtf8(original);
    table.LoadTable();
    table.components.push_back(GetParam().component);
    std::string inMemory = "left as it was";
    EXPECT_EQ(table.FileBytes(codec.FromUtf8(kHeader), codec, inMemory).message.id, GetParam().why);
    EXPECT_EQ(inMemory, "left as it was");
    const Status result = table.SaveTable();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.id, GetParam().why);
    EXPECT_EQ(result.message.argument, "2");
    EXPECT_FALSE(result.Description().empty());
    EXPECT_EQ(ReadUtf8(), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComponentsRefusedSave,
    testing::Values(
        BadSaveCase{"KeyOver198Bytes", {2, std::string(199, 'x'), "n", 1.0}, MessageId::ComponentFieldTooLong},
        BadSaveCase{
            "NameOver198BytesInTheCodePage", {2, "k", Repeated("Я", 199), 1.0}, MessageId::ComponentFieldTooLong},
        BadSaveCase{"MassOver198Digits", {2, "k", "n", 1e200}, MessageId::ComponentFieldTooLong},
        BadSaveCase{"SeparatorInKey", {2, "a;b", "n", 1.0}, MessageId::ComponentWithSeparator},
        BadSaveCase{"LineBreakInName", {2, "k", "a\r\nb", 1.0}, MessageId::ComponentWithSeparator}),
    [](const testing::TestParamInfo<BadSaveCase>& info) { return std::string(info.param.name); });

TEST_F(ComponentsFile, HeaderGoneMeanwhileRefusesToSave) {
    WriteUtf8(kHeader + "1;a;A;1.00\r\n");
    table.LoadTable();
    fs::remove(table.filePath);
    EXPECT_FALSE(table.SaveTable());
    EXPECT_FALSE(fs::exists(table.filePath));
}

TEST_F(ComponentsFile, ReadOnlyFolderIsStillReadAndSaveSaysWhy) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    WriteUtf8(kHeader + "1;a;A;1.00\r\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    ASSERT_TRUE(table.LoadTable());
    ASSERT_EQ(table.components.size(), 1u);
    table.components.clear();
    EXPECT_FALSE(table.SaveTable());
    EXPECT_EQ(ReadUtf8(), kHeader + "1;a;A;1.00\r\n");
}

TEST_F(ComponentsFile, SaveKeepsPermissionsAndWritesThroughALink) {
    WriteUtf8(kHeader);
    ::chmod(table.filePath.c_str(), 0640);
    const fs::path link = folder / "link.csv";
    fs::create_symlink(table.filePath, link);
    ComponentsTable linked;
    linked.filePath = link.string();
    linked.LoadTable();
    linked.components.push_back({1, "a", "b", 2.0});
    ASSERT_TRUE(linked.SaveTable());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadUtf8(), kHeader + "1;a;b;2.00\r\n");
    EXPECT_EQ(fs::status(table.filePath).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ComponentsLookup, IgnoresLatinAndCyrillicCaseAndTakesTheFirst) {
    ComponentsTable table;
    table.components = {{1, "PS-1", "first", 1000.0},
                        {2, "ПС-Ёж", "cyr", 2000.0},
                        {3, "ps-1", "second", 3000.0},
                        {4, "", "empty key", 4000.0}};
    ASSERT_NE(table.FindComponent("ps-1"), nullptr);
    EXPECT_EQ(table.FindComponent("ps-1")->componentName, "first");
    ASSERT_NE(table.FindComponent("пс-ёЖ"), nullptr);
    EXPECT_EQ(table.FindComponent("пс-ёЖ")->id, 2);
    ASSERT_NE(table.FindComponent(""), nullptr);
    EXPECT_EQ(table.FindComponent("")->id, 4);
    EXPECT_EQ(table.FindComponent("PS-2"), nullptr);
}

TEST(ComponentsPath, JoinsTheDocumentsFolder) {
    const FixedEnvironment environment("/srv/Документы", std::nullopt);
    EXPECT_EQ(ComponentsFilePath(environment, kComponentsFileName), "/srv/Документы/CompsTableQuorvel.csv");
}

TEST(ComponentsPath, NoDocumentsFolderGivesNoPath) {
    const FixedEnvironment environment(std::nullopt, "/srv/host.db");
    EXPECT_EQ(ComponentsFilePath(environment, kComponentsFileName), "");
}

TEST(Cp1251Codec, ConvertsBothWaysAndReplacesWhatItCannot) {
    const Cp1251Codec codec;
    EXPECT_EQ(codec.FromUtf8("Ая№"), "\xC0\xFF\xB9");
    EXPECT_EQ(codec.ToUtf8("\xC0\xFF\xB9"), "Ая№");
    EXPECT_EQ(codec.FromUtf8("a€日b"), "a\x88?b");
    EXPECT_EQ(codec.ToUtf8("a\x98"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(codec.FromUtf8("a\xFF"
                             "b"),
              "a?b");
}

}  // namespace
