// The host's assay database: opening, schema creation and the read queries.
#include "TempFolder.h"
#include "host/AssayDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

void Execute(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
    sqlite3_free(error);
    sqlite3_close(db);
}

// How SQLite would run sql on the database at path: the details of EXPLAIN QUERY PLAN, one per line.
std::string QueryPlan(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    std::string plan;
    if (sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &statement, nullptr) == SQLITE_OK)
        while (sqlite3_step(statement) == SQLITE_ROW)
            plan += reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)) + std::string("\n");
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return plan;
}

// A database with two assays stored with one file and a third with another.
std::string FilledDatabase(const TempFolder& folder) {
    const std::string path = folder / "assays.db";
    Execute(path, std::string(AssayDatabase::Schema) +
                      "INSERT INTO assay VALUES (7, 1700000000, '/data/run1.chr', 'PS 1', 'THF', 'GPC-A', 1);"
                      "INSERT INTO assay VALUES (3, 1700000100, '/data/run2.chr', NULL, NULL, NULL, 0);"
                      "INSERT INTO assay VALUES (9, 1700000200, '/data/run1.chr', 'Гель', 'THF', 'GPC-A', 0);"
                      "INSERT INTO peak (assayid, nameid, name, time, channel) VALUES (9, 'a', 'PS-2', 14.5, 1);"
                      "INSERT INTO peak (assayid, nameid, name, time, channel) VALUES (7, 'b', 'PS-1', 18.0, 2);"
                      "INSERT INTO peak (assayid, nameid, name, time, channel) VALUES (7, 'c', 'PS-3', 12.0, 2);"
                      "INSERT INTO peak (assayid, nameid, name, time, channel) VALUES (3, 'd', 'other', 1.0, 1);");
    return path;
}

TEST(AssayDatabase, ListsAssaysByIdentifier) {
    TempFolder folder;
    AssayDatabase database;
    std::string message;
    ASSERT_TRUE(database.Open(FilledDatabase(folder), message)) << message;
    std::vector<AssayRow> rows;
    ASSERT_TRUE(database.Assays(rows, message)) << message;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, 3);
    EXPECT_EQ(rows[0].sample, "");
    EXPECT_FALSE(rows[0].isCalibration);
    EXPECT_EQ(rows[1].id, 7);
    EXPECT_EQ(rows[1].date, 1700000000);
    EXPECT_EQ(rows[1].fileName, "/data/run1.chr");
    EXPECT_EQ(rows[1].mixture, "THF");
    EXPECT_EQ(rows[1].method, "GPC-A");
    EXPECT_TRUE(rows[1].isCalibration);
    EXPECT_EQ(rows[2].sample, "Гель");
}

TEST(AssayDatabase, PeaksOfFileGatherEveryAssayStoredWithIt) {
    TempFolder folder;
    AssayDatabase database;
    std::string message;
    ASSERT_TRUE(database.Open(FilledDatabase(folder), message)) << message;
    std::vector<PeakRow> peaks;
    ASSERT_TRUE(database.PeaksOfFile("/data/run1.chr", peaks, message)) << message;
    ASSERT_EQ(peaks.size(), 3u);
    EXPECT_EQ(peaks[0].name, "PS-3");
    EXPECT_EQ(peaks[1].name, "PS-1");
    EXPECT_EQ(peaks[2].name, "PS-2");
    EXPECT_EQ(peaks[2].assayId, 9);
    EXPECT_DOUBLE_EQ(peaks[2].time, 14.5);
    EXPECT_EQ(peaks[0].area, 0.0);
    ASSERT_TRUE(database.PeaksOfFile("/data/none.chr", peaks, message));
    EXPECT_TRUE(peaks.empty());
}

TEST(AssayDatabase, EmptyFileGetsTheTables) {
    TempFolder folder;
    const std::string path = folder / "new.db";
    WriteFileBytes(path, "");
    AssayDatabase database;
    std::string message;
    ASSERT_TRUE(database.Open(path, message)) << message;
    std::vector<AssayRow> rows;
    EXPECT_TRUE(database.Assays(rows, message)) << message;
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(database.Path(), path);
    // One assay's peaks are looked up, not searched for among all rows.
    EXPECT_NE(QueryPlan(path, "SELECT name FROM peak WHERE assayid = 1;").find("USING INDEX peak_assayid"),
              std::string::npos);
}

struct BadDatabaseCase {
    const char* name;
    const char* bytes;  // file contents; nullptr: no file
    const char* sql;  // run on the file first when not nullptr
    const char* messagePart;
};

class BadDatabase : public testing::TestWithParam<BadDatabaseCase> {};

TEST_P(BadDatabase, IsRefusedWithMessageAndLeftUnchanged) {
    TempFolder folder;
    const std::string path = folder / "assays.db";
    if (GetParam().bytes) WriteFileBytes(path, GetParam().bytes);
    if (GetParam().sql) Execute(path, GetParam().sql);
    const std::string before = FileBytes(path);
    AssayDatabase database;
    std::string message;
    EXPECT_FALSE(database.Open(path, message));
    EXPECT_FALSE(database.IsOpen());
    EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
    EXPECT_EQ(std::filesystem::exists(path), GetParam().bytes != nullptr || GetParam().sql != nullptr);
    EXPECT_EQ(FileBytes(path), before);
    std::vector<AssayRow> rows;
    EXPECT_FALSE(database.Assays(rows, message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDatabase,
    testing::Values(BadDatabaseCase{"MissingFile", nullptr, nullptr, "does not exist"},
                    BadDatabaseCase{"NotADatabase", "this is a text file, not SQLite, and long enough to tell.\n",
                                    nullptr, "not a usable database"},
                    BadDatabaseCase{"OtherTables", nullptr, "CREATE TABLE notes (text TEXT);", "not an assay database"},
                    BadDatabaseCase{"MissingColumn", nullptr,
                                    "CREATE TABLE assay (id INTEGER PRIMARY KEY, date INTEGER);"
                                    "CREATE TABLE peak (id INTEGER PRIMARY KEY, assayid INTEGER);",
                                    "not an assay database"}),
    [](const testing::TestParamInfo<BadDatabaseCase>& info) { return std::string(info.param.name); });

TEST(AssayDatabase, NoPathGivesMessage) {
    AssayDatabase database;
    std::string message;
    EXPECT_FALSE(database.Open("", message));
    EXPECT_NE(message.find("--db"), std::string::npos) << message;
}

}  // namespace
