// A private folder for one test holding the components table file: the table's path points into it,
// the file's bytes are written and read raw (code page 1251), and the folder is removed afterwards,
// also when a test took away its write permission.
#pragma once

#include "TempFolder.h"
#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ComponentsFolder : public testing::Test {
protected:
    ComponentsFolder() { table.filePath = temporary / kComponentsFileName; }

    void WriteBytes(const std::string& bytes) const { WriteFileBytes(table.filePath, bytes); }
    // The file's bytes; empty when it cannot be read.
    std::string Bytes() const { return FileBytes(table.filePath); }

    const Cp1251Codec codec;
    const TempFolder temporary;
    const std::filesystem::path& folder = temporary.Path();
    ComponentsTable table;
};
