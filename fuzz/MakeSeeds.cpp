// Writes small seed files for the fuzz targets: valid chromatogram files and a few damaged ones into
// <folder>/file, their XML parts and a few odd documents into <folder>/xml.
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
        channel.samples = {0.0f, 1.5f, -2.0f, 3.25f};
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "file");
    std::filesystem::create_directories(folder / "xml");

    for (int channels : {1, 2}) {
        COrbitasFile4 file = SampleFile(channels);
        const std::filesystem::path path = folder / "file" / ("valid" + std::to_string(channels) + ".stg");
        if (file.Write(path.string()) != COrbitasFile4::Ok) return 1;
        Save(folder / "xml" / ("valid" + std::to_string(channels) + ".xml"),
             ChromatogramXml::Write(file.passport, file.channels));
    }

    using namespace ChromatogramBytes;
    const std::string block = Block(1, 0.5, 0.25, 2, {1.0f, 2.0f});
    const std::string xml = "<root><passport><sample value=\"S\"/></passport></root>";
    Save(folder / "file" / "offset-zero.stg", Header("STG", 0, 0) + block + xml);
    Save(folder / "file" / "huge-count.stg", Header("STG", 1, 56) + Block(1, 0, 0, 0xFFFFFFFFu, {}) + xml);
    Save(folder / "file" / "no-xml.stg", Header("STG", 1, 56) + block);

    Save(folder / "xml" / "text-and-cdata.xml", "<root><passport>text<![CDATA[x]]><a title=\"t\"/></passport></root>");
    Save(folder / "xml" / "entities.xml",
         "<!DOCTYPE root [<!ENTITY a \"aaaa\">]><root><passport><sample value=\"&a;&#1055;&lt;\"/></passport></root>");
    Save(folder / "xml" / "numbers.xml",
         "<root><channels><channel><number value=\"2\"/><table><item><left value=\"-0x10\"/>"
         "<front value=\" 1e-310\"/><flags value=\"99999999999\"/><reference value=\"Y\"/></item></table>"
         "</channel></channels></root>");
    return 0;
}
