// libFuzzer target: any bytes as the components table file "CompsTableQuorvel.csv". A read must
// succeed with the header length the first CR LF gives; a table that saves must keep the header's
// bytes, read back with the same components, and after one round settle to the very same bytes.
#include "FuzzChecks.h"

#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// The table file of this process, removed at exit: in memory-backed /dev/shm when there is one,
// since every save syncs.
const std::string& TablePath() {
    static const std::string path = [] {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::atexit([] { std::remove(TablePath().c_str()); });
        return (folder / ("quorvel-fuzz-components-" + std::to_string(::getpid()) + ".csv")).string();
    }();
    return path;
}

void WriteFile(std::string_view bytes) {
    std::ofstream(TablePath(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile() {
    std::ifstream in(TablePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ComponentsTable Loaded() {
    ComponentsTable table;
    table.filePath = TablePath();
    Require(table.LoadTable(), "an existing table file reads");
    return table;
}

// The text a field holds after one pass through the file's code page.
std::string ThroughCodePage(const std::string& text, const Cp1251Codec& codec) {
    return codec.ToUtf8(codec.FromUtf8(text));
}

void RequireSameComponents(const ComponentsTable& before, const ComponentsTable& after) {
    Require(after.components.size() == before.components.size(), "every saved component reads back");
    const Cp1251Codec codec;
    for (size_t i = 0; i < before.components.size(); ++i) {
        const Component& a = before.components[i];
        const Component& b = after.components[i];
        Require(a.id == b.id, "an id reads back");
        Require(ThroughCodePage(a.component, codec) == b.component, "a key reads back");
        Require(ThroughCodePage(a.componentName, codec) == b.componentName, "a name reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    WriteFile(bytes);
    ComponentsTable table = Loaded();
    const size_t lineEnd = bytes.find("\r\n");
    const bool hasHeader = lineEnd != std::string_view::npos;
    Require(table.headerLength == (hasHeader ? static_cast<int32_t>(lineEnd + 2) : -1),
            "the header length is the first line's with its CR LF");
    // The id after the largest one wraps around, as 32-bit arithmetic does.
    if (!table.components.empty())
        Require(table.nextId == static_cast<int32_t>(static_cast<uint32_t>(table.components.back().id) + 1u),
                "the next id follows the last");

    if (!table.SaveTable()) {
        Require(ReadFile() == bytes, "a refused save leaves the file as it was");
        return 0;
    }
    const std::string first = ReadFile();
    if (hasHeader)
        Require(first.compare(0, lineEnd + 2, bytes.substr(0, lineEnd + 2)) == 0, "saving keeps the header's bytes");
    ComponentsTable again = Loaded();
    RequireSameComponents(table, again);
    Require(again.SaveTable().ok, "a table read from a saved file saves");
    const std::string second = ReadFile();
    ComponentsTable third = Loaded();
    Require(third.SaveTable().ok && ReadFile() == second, "saved twice, a table keeps its bytes");
    return 0;
}
