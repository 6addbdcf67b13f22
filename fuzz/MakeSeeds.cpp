// Writes the small seed files of the fuzz targets, one folder per target under <folder>, from the cases
// the unit tests use: chromatogram files valid and damaged, their XML parts, components table files,
// stored assay entries, the workbench's stored values and quorvel-calc command lines. fuzz/corpus is
// this program's output, checked in.
#include "ChromatogramBytes.h"

#include "data/COrbitasFile4.h"
#include "data/ChromatogramXml.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

COrbitasFile4 SampleFile(int channelCount) {
    COrbitasFile4 file;
    file.passport.sample = "PS 2000";
    file.passport.duration = 0.1;
    file.passport.columns.resize(1);
    file.passport.columns[0].name = "PLgel";
    file.passport.fields = {{"operator", "Operator", "Ivanov"}};
    for (int i = 0; i < channelCount; ++i) {
        Channel channel;
        channel.number = i + 1;
        channel.value1 = 0.5;
        channel.value2 = 0.25;
        channel.samples = std::vector<float>{0.0f, 1.5f, -2.0f, 3.25f};
        channel.table.resize(1);
        channel.table[0].name = "PS";
        channel.table[0].left = 1;
        channel.table[0].reference = true;
        file.channels.push_back(channel);
    }
    return file;
}

void Save(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Named seed texts of one target, saved into their own folder.
void SaveAll(const std::filesystem::path& folder, const std::vector<std::pair<std::string, std::string>>& seeds) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : seeds) Save(folder / name, bytes);
}

// The command line arguments joined by zero bytes, as the calc options target splits them.
std::string CommandLine(const std::vector<std::string>& arguments) {
    std::string joined;
    for (const std::string& argument : arguments) joined += (joined.empty() ? "" : std::string(1, '\0')) + argument;
    return joined;
}

// Components table files in code page 1251 (the Cyrillic header as its bytes).
void SaveComponentsSeeds(const std::filesystem::path& folder) {
    const std::string header =
        "\xB9;\xCA\xEE\xEC\xEF\xEE\xED\xE5\xED\xF2;\xC8\xEC\xFF;\xCC\xEE\xEB\xFF\xF0\xED\xE0\xFF\r\n";
    SaveAll(folder,
            {
                {"two-components.csv",
                 header + "1;PS-1;\xCF\xEE\xEB\xE8\xF1\xF2\xE8\xF0\xEE\xEB 1000;1000.00\r\n2;PS-2;PS 2000;2000.50\r\n"},
                {"header-only.csv", "id;key;name;mass;extra\r\n"},
                {"odd-lines.csv",
                 header + "7;ab;cd;\r\n\r\n1;a;b\r\n3;a\rb;c\nd;4.5\r\n4;k;n;12.25;x;y\r\nx;k;n;abc\r\n1;k;n;1,5\r\n"},
                {"no-final-line-end.csv", header + "1;a;b;1\r\n2;c;d;2"},
                {"numbers.csv",
                 header + "-2147483648;c;d;-1.7976931348623157e308\r\n 9;e;\x98;nan\r\n2147483647;a;b;1e308\r\n"},
            });
}

void SaveRestoreSeeds(const std::filesystem::path& folder) {
    SaveAll(folder, {
                        {"order-and-marks.txt", "12/0\n7/1\n1/0"},
                        {"gap-and-vanished.txt", "99/1\n12/1\n404\n12/0"},
                        {"passed-over.txt", "\n12\n/1\n 7/1\n+1/-1x\n-1/2\n2147483648/0\n0/99999999999"},
                    });
}

// The workbench's stored values, a line per key: the standards' K, Alpha, Mn and Mw, the point flags,
// the type, dependence and channel, K and Alpha.
void SaveWorkbenchSettingsSeeds(const std::filesystem::path& folder) {
    SaveAll(folder, {
                        {"all-given.txt", "1.14e-4\n0.716\n25000\n52500.5\n1011\n2\n1\n0\n0.000141\n0.7"},
                        {"damaged.txt", "abc\n1e999\nnan\n-inf\n10x1\n-1\n99999999999\n+3\nnan\n-inf"},
                        {"some-empty.txt", "\n 5\n0x10\n-0\n"},
                        {"too-many-flags.txt", "1\n1\n1\n1\n" + std::string(121, '1')},
                    });
}

void SaveCalcSeeds(const std::filesystem::path& folder) {
    SaveAll(folder,
            {
                {"minimal.args", CommandLine({"--db", "h.db", "--docs", "d", "12"})},
                {"everything.args",
                 CommandLine({"--db",       "h.db",      "--docs", "d",        "--type",   "2",       "--dependence",
                              "2",          "--channel", "1",      "--k",      "0.000141", "--alpha", "0.7",
                              "--flags",    "1,0,1",     "--json", "--report", "r.html",   "--csv",   "t.csv",
                              "--language", "1033",      "12/1",   "7/0",      "40"})},
                {"help.args", CommandLine({"--help"})},
                {"standards.args", CommandLine({"--db", "h.db", "--docs", "d", "--type", "1", "--standard-k", "1.14e-4",
                                                "--standard-alpha", "0.716", "--broad-mn", "25000", "--broad-mw",
                                                "52500.5", "--broad-mn", "0", "12/1", "7"})},
                {"wrong-values.args", CommandLine({"--db", "h.db", "--docs", "d", "--k", "1,5", "--flags", "1,,0",
                                                   "12/2", "99999999999", "--type"})},
            });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path fileFolder = folder / "chromatogram_file";
    const std::filesystem::path xmlFolder = folder / "chromatogram_xml";
    std::filesystem::create_directories(fileFolder);
    std::filesystem::create_directories(xmlFolder);

    for (int channels : {1, 2}) {
        COrbitasFile4 file = SampleFile(channels);
        const std::filesystem::path path = fileFolder / ("valid" + std::to_string(channels) + ".stg");
        if (file.Write(path.string()).code != COrbitasFile4::Ok) return 1;
        Save(xmlFolder / ("valid" + std::to_string(channels) + ".xml"),
             ChromatogramXml::Write(file.passport, file.channels));
    }

    using namespace ChromatogramBytes;
    const std::string block = Block(1, 0.5, 0.25, 2, {1.0f, 2.0f});
    const std::string xml = "<root><passport><sample value=\"S\"/></passport></root>";
    Save(fileFolder / "offset-zero.stg", Header("STG", 0, 0) + block + xml);
    Save(fileFolder / "huge-count.stg", Header("STG", 1, 56) + Block(1, 0, 0, 0xFFFFFFFFu, {}) + xml);
    Save(fileFolder / "no-xml.stg", Header("STG", 1, 56) + block);

    Save(xmlFolder / "text-and-cdata.xml", "<root><passport>text<![CDATA[x]]><a title=\"t\"/></passport></root>");
    Save(xmlFolder / "entities.xml",
         "<!DOCTYPE root [<!ENTITY a \"aaaa\">]><root><passport><sample value=\"&a;&#1055;&lt;\"/></passport></root>");
    Save(xmlFolder / "numbers.xml",
         "<root><channels><channel><number value=\"2\"/><table><item><left value=\"-0x10\"/>"
         "<front value=\" 1e-310\"/><flags value=\"99999999999\"/><reference value=\"Y\"/></item></table>"
         "</channel></channels></root>");

    SaveComponentsSeeds(folder / "components_table");
    SaveRestoreSeeds(folder / "restore_settings");
    SaveWorkbenchSettingsSeeds(folder / "workbench_settings");
    SaveCalcSeeds(folder / "calc_options");
    return 0;
}
