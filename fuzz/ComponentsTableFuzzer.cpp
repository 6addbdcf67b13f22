// libFuzzer target: any bytes as the components table file "CompsTableQuorvel.csv", read and written
// in memory by the code LoadTable and SaveTable run around their file access. A read must give the
// header length the first CR LF gives; a table that saves must keep the header's bytes, read back with
// the same components, and after one round settle to the very same bytes. The file access itself (a
// missing file created, a refused save leaving the file as it was, the replacement that leaves the old
// or the new file) does not depend on the bytes and is left to the unit and fault tests: its system
// calls would cost a run ten times what the reading and writing do.
#include "FuzzChecks.h"

#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The header line SaveTable keeps: the first headerLength bytes of the file; none when no line was read.
std::string HeaderOf(std::string_view bytes, const ComponentsTable& table) {
    return table.headerLength > 0 ? std::string(bytes.substr(0, static_cast<size_t>(table.headerLength)))
                                  : std::string();
}

// One conversion of the file's code page for the whole process: opening one costs more than a run.
const Cp1251Codec& Codec() {
    static const Cp1251Codec codec;
    return codec;
}

// The text a field holds after one pass through the file's code page.
std::string ThroughCodePage(const std::string& text) { return Codec().ToUtf8(Codec().FromUtf8(text)); }

void RequireSameComponents(const ComponentsTable& before, const ComponentsTable& after) {
    Require(after.components.size() == before.components.size(), "every saved component reads back");
    for (size_t i = 0; i < before.components.size(); ++i) {
        const Component& a = before.components[i];
        const Component& b = after.components[i];
        Require(a.id == b.id, "an id reads back");
        Require(ThroughCodePage(a.component) == b.component, "a key reads back");
        Require(ThroughCodePage(a.componentName) == b.componentName, "a name reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ComponentsTable table;
    table.ReadFileBytes(bytes, Codec());
    const size_t lineEnd = bytes.find("\r\n");
    const bool hasHeader = lineEnd != std::string_view::npos;
    Require(table.headerLength == (hasHeader ? static_cast<int32_t>(lineEnd + 2) : -1),
            "the header length is the first line's with its CR LF");
    // The id after the largest one wraps around, as 32-bit arithmetic does.
    if (!table.components.empty())
        Require(table.nextId == static_cast<int32_t>(static_cast<uint32_t>(table.components.back().id) + 1u),
                "the next id follows the last");
    // A table cut short is never saved; it takes more rows than a run's input holds.
    if (!table.complete) return 0;

    std::string first;
    if (!table.FileBytes(HeaderOf(bytes, table), Codec(), first)) return 0;
    if (hasHeader)
        Require(first.compare(0, lineEnd + 2, bytes.substr(0, lineEnd + 2)) == 0, "saving keeps the header's bytes");
    ComponentsTable again;
    again.ReadFileBytes(first, Codec());
    RequireSameComponents(table, again);
    // A molar mass without a value is written empty and reads back as 0, so the bytes settle only
    // from the second save on.
    std::string second;
    Require(again.FileBytes(HeaderOf(first, again), Codec(), second).ok, "a table read from saved bytes saves");
    ComponentsTable third;
    third.ReadFileBytes(second, Codec());
    std::string last;
    Require(third.FileBytes(HeaderOf(second, third), Codec(), last).ok && last == second,
            "saved twice, a table keeps its bytes");
    return 0;
}
