// The components table file under faults and hostile input: a save killed before each of its system
// calls, a documents folder the user cannot write, huge files and lines, and names full of markup and
// control characters.
#include "ChildProcess.h"
#include "ComponentsFolder.h"
#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kHeader = "№;Компонент;Имя компонента;Молярная масса\r\n";

class ComponentsFault : public ComponentsFolder {
protected:
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        return names;
    }
};

// Lines enough for several writes of the standard library's buffer.
std::vector<Component> ManyComponents() {
    std::vector<Component> components;
    for (int32_t id = 1; id <= 600; ++id)
        components.push_back({id, "PS-" + std::to_string(id), "Полистирол", id * 10.0});
    return components;
}

TEST_F(ComponentsFault, SaveKilledAtAnySystemCallLeavesTheOldOrTheNewFile) {
    const std::string oldBytes = codec.FromUtf8(kHeader + "1;PS-1;Полистирол 1000;1000.00\r\n");
    WriteBytes(oldBytes);
    ASSERT_TRUE(table.LoadTable());
    table.components = ManyComponents();
    std::string newBytes = codec.FromUtf8(kHeader);
    for (const Component& c : table.components)
        newBytes += codec.FromUtf8(std::to_string(c.id) + ";" + c.component + ";" + c.componentName + ";" +
                                   std::to_string(static_cast<int>(c.molarMass)) + ".00\r\n");

    int oldSeen = 0;
    const KillSeries series = KillAtEverySaveStep([this] { return static_cast<bool>(table.SaveTable()); },
                                                  [&](int allowedCalls) {
                                                      const std::string now = Bytes();
                                                      EXPECT_TRUE(now == oldBytes || now == newBytes)
                                                          << "after " << allowedCalls << " calls the file holds "
                                                          << now.size() << " bytes";
                                                      if (now == oldBytes) ++oldSeen;
                                                      WriteBytes(oldBytes);
                                                  });
    if (!series.traceable) GTEST_SKIP() << "this system does not let a test trace its child";
    EXPECT_TRUE(series.completed);
    EXPECT_GT(oldSeen, 0);
    EXPECT_TRUE(SaveStepsNeverKilledAt(series).empty()) << "a save step was never cut short";
    // Whatever a killed save left beside the file, the next one writes the new table.
    ASSERT_TRUE(table.SaveTable());
    EXPECT_EQ(Bytes(), newBytes);
}

TEST_F(ComponentsFault, ReadOnlyFolderIsReadAndItsSaveSaysWhyAndLosesNothing) {
    const std::string original = codec.FromUtf8(kHeader + "1;PS-1;Полистирол;1000.00\r\n");
    WriteBytes(original);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::optional<std::string> outcome = RunUnprivileged([this] {
        if (!table.LoadTable() || table.components.size() != 1) return std::string("not read");
        table.components.push_back({2, "PS-2", "Полистирол", 2000.0});
        const Status result = table.SaveTable();
        return result ? std::string("saved") : result.Description();
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "Не удалось записать файл " + table.filePath + ": Permission denied");
    EXPECT_EQ(Bytes(), original);
    EXPECT_EQ(Entries(), std::vector<std::string>{kComponentsFileName});
}

// A file far beyond what a table holds, read in memory that does not grow with it.
struct HugeFileCase {
    const char* name;
    std::function<void(std::ofstream&)> write;
    size_t components;
    bool complete;
    size_t memoryBound;  // bytes, without a sanitizer
};

std::ostream& operator<<(std::ostream& out, const HugeFileCase& c) { return out << c.name; }

class ComponentsHugeFile : public ComponentsFault, public testing::WithParamInterface<HugeFileCase> {};

constexpr size_t kMegabyte = 1024 * 1024;

TEST_P(ComponentsHugeFile, IsReadInBoundedMemory) {
    {
        std::ofstream out(table.filePath, std::ios::binary);
        out << kHeader;
        GetParam().write(out);
    }
    const uintmax_t fileSize = fs::file_size(table.filePath);
    const std::optional<size_t> growth = PeakMemoryGrowth([this] {
        table.LoadTable();
        if (table.components.size() != GetParam().components || table.complete != GetParam().complete) ::_exit(1);
        // What was not read could be lost by a save: an incomplete table is never saved.
        if (!table.complete && table.SaveTable()) ::_exit(1);
    });
    ASSERT_TRUE(growth) << "the table read or its save was not as expected";
    EXPECT_EQ(fs::file_size(table.filePath), fileSize);
    EXPECT_LT(*growth, GetParam().memoryBound * kSanitizerMemoryFactor);
}

void Repeat(std::ofstream& out, const std::string& text, size_t bytes) {
    for (size_t written = 0; written < bytes; written += text.size()) out << text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ComponentsHugeFile,
                         testing::Values(HugeFileCase{"HundredMegabytesOfLines",
                                                      [](std::ofstream& out) {
                                                          Repeat(out, "1;PS-1;Polystyrene;1000.00\r\n",
                                                                 100 * kMegabyte);
                                                      },
                                                      100000, false, 64 * kMegabyte},
                                         HugeFileCase{"TenMegabyteLineWithoutLineEnd",
                                                      [](std::ofstream& out) {
                                                          out << "1;";
                                                          Repeat(out, std::string(1024, 'x'), 10 * kMegabyte);
                                                      },
                                                      0, true, 4 * kMegabyte},
                                         HugeFileCase{"TenMegabyteFieldsEndedByLineEnd",
                                                      [](std::ofstream& out) {
                                                          out << "1;";
                                                          Repeat(out, std::string(1024, 'x'), 10 * kMegabyte);
                                                          out << ";name;1.00\r\n";
                                                      },
                                                      1, true, 4 * kMegabyte},
                                         HugeFileCase{"TenMegabytesOfSeparators",
                                                      [](std::ofstream& out) {
                                                          Repeat(out, std::string(1024, ';'), 10 * kMegabyte);
                                                          out << "\r\n";
                                                      },
                                                      1, true, 4 * kMegabyte},
                                         HugeFileCase{"TenMegabytesOfBareCarriageReturns",
                                                      [](std::ofstream& out) {
                                                          Repeat(out, std::string(1024, '\r'), 10 * kMegabyte);
                                                          out << "x;y;z\r\n";
                                                      },
                                                      0, true, 4 * kMegabyte}),
                         [](const testing::TestParamInfo<HugeFileCase>& info) { return std::string(info.param.name); });

TEST_F(ComponentsFault, MarkupQuotesAndControlCharactersAreKeptByteForByte) {
    const std::string hostile = "<b>&lt &#38 \"q\" 'a' </b>\x01\x07\t\x1b[31m\x7f\rend\n";
    WriteBytes(kHeader);
    ASSERT_TRUE(table.LoadTable());
    table.components = {{1, hostile, "<script>alert(1)</script>", 5.0}};
    const Status saved = table.SaveTable();
    ASSERT_TRUE(saved) << saved.Description();
    ComponentsTable reread;
    reread.filePath = table.filePath;
    ASSERT_TRUE(reread.LoadTable());
    ASSERT_EQ(reread.components.size(), 1u);
    EXPECT_EQ(reread.components[0].component, hostile);
    EXPECT_EQ(reread.components[0].componentName, "<script>alert(1)</script>");
    EXPECT_EQ(reread.FindComponent(hostile), &reread.components[0]);
}

TEST_F(ComponentsFault, TenThousandCharacterNameIsReadAsItsFirst198BytesAndNeverSavedWhole) {
    const std::string longName(10000, 'N');
    WriteBytes(codec.FromUtf8(kHeader + "1;" + longName + ";" + longName + ";1.00\r\n"));
    ASSERT_TRUE(table.LoadTable());
    ASSERT_EQ(table.components.size(), 1u);
    EXPECT_EQ(table.components[0].component, std::string(198, 'N'));
    EXPECT_EQ(table.components[0].molarMass, 1.0);
    const std::string before = Bytes();
    table.components[0].componentName = longName;
    EXPECT_FALSE(table.SaveTable());
    EXPECT_EQ(Bytes(), before);
}

}  // namespace
