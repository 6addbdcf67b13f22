// The folder and host database of a LabDatabaseTest.
#include "LabDatabaseTest.h"

#include "data/DataBaseConnection.h"

void LabDatabaseTest::SetUp() {
    folder = FreshTestFolder("quorvel-lab");
    database = std::make_unique<LabDatabase>(DatabasePath());
    DataBaseConnection::Instance().SetUri(DatabasePath());
}

void LabDatabaseTest::TearDown() { std::filesystem::remove_all(folder); }
