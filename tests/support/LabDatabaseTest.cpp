// The folder and host database of a LabDatabaseTest.
#include "LabDatabaseTest.h"

void LabDatabaseTest::SetUp() {
    folder = FreshTestFolder("quorvel-lab");
    database = std::make_unique<LabDatabase>(DatabasePath());
}

void LabDatabaseTest::TearDown() { std::filesystem::remove_all(folder); }
