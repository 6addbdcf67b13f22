// A private folder for one test holding the components table file: the table's path points into it,
// the file's bytes are written and read raw (code page 1251), and the folder is removed afterwards,
// also when a test took away its write permission.
#pragma once

#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class ComponentsFolder : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("quorvel-components-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        table.filePath = (folder / kComponentsFileName).string();
    }
    void TearDown() override {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder);
    }

    void WriteBytes(const std::string& bytes) const { std::ofstream(table.filePath, std::ios::binary) << bytes; }
    // The file's bytes; empty when it cannot be read.
    std::string Bytes() const {
        std::ifstream in(table.filePath, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    const Cp1251Codec codec;
    std::filesystem::path folder;
    ComponentsTable table;
};
