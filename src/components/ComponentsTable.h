// The components table and its file "CompsTableQuorvel.csv" in the documents folder: code page 1251,
// lines ended by CR LF, fields split by ";", a header line kept as it is, then one line per component:
// id;key;display name;molar mass ("%.2f", empty for none).
#pragma once

#include "base/ModuleEnvironment.h"
#include "base/Status.h"
#include "components/Component.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Cp1251Codec;

inline constexpr const char* kComponentsFileName = "CompsTableQuorvel.csv";

// The environment's documents folder joined with fileName; "" when it names no folder.
std::string ComponentsFilePath(const ModuleEnvironment& environment, const std::string& fileName);

// The id a new component gets after id; after the largest id it wraps to the smallest, as 32-bit
// arithmetic on stored ids always has, instead of overflowing.
int32_t IdAfter(int32_t id);

class ComponentsTable {
public:
    // Reads filePath, creating the file empty when missing; false (and an empty table) when there
    // is no path or the file cannot be opened.
    bool LoadTable();
    // Reads the table from the whole of a file's bytes, as LoadTable reads them from the file; codec
    // converts the file's code page, and may serve many calls, since opening one costs more than a table.
    void ReadFileBytes(std::string_view bytes, const Cp1251Codec& codec);
    // Replaces the file's data lines by the table, keeping the header line's bytes; the file holds
    // either its old or its new content whatever happens. Writes nothing and says why on failure.
    Status SaveTable();
    // What SaveTable writes: the header line's bytes (with its CR LF; the default header when empty),
    // then one line per component, converted by codec. Fails, leaving bytes as they were, for a component
    // the format cannot hold.
    Status FileBytes(const std::string& header, const Cp1251Codec& codec, std::string& bytes) const;
    // The first component whose key equals name, ignoring Latin and Cyrillic letter case; null when none.
    const Component* FindComponent(std::string_view name) const;

    std::string filePath;  // "" when the host names no documents folder
    std::vector<Component> components;  // in file order
    int32_t headerLength = -1;  // bytes of the first line with its CR LF; -1 when no line was read
    int32_t nextId = 0;  // id of the next component added
    int32_t precision = 2;  // digits after the point of a written molar mass
    // False when the file held more components than a table keeps; such a table is never saved,
    // so what was not read cannot be lost.
    bool complete = true;
};
