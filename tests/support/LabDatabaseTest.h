// A test that owns a fresh folder holding a host database the test fills.
#pragma once

#include "LabData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

class LabDatabaseTest : public testing::Test {
protected:
    // Creates the folder and the database "host.db" in it.
    void SetUp() override;
    // Removes the folder with everything in it.
    void TearDown() override;

    // Full path of name in the folder.
    std::string File(const std::string& name) const { return (folder / name).string(); }
    std::string DatabasePath() const { return File("host.db"); }

    std::filesystem::path folder;
    std::unique_ptr<LabDatabase> database;
};
