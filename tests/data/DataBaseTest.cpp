// The database layer against real SQLite files built here.
#include "data/DataBase.h"

#include "CommaLocale.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using DataBase::ForEachRow;
using DataBase::Handle;
using DataBase::Prepare;
using DataBase::SqlException;

class DataBaseTest : public testing::Test {
protected:
    // A database file holding the reference [assay] table with one complete row (id 1) and one of NULLs (id 2).
    std::string MakeDatabase() {
        const std::string path = directory / "host.db";
        Handle db(path);
        const char* script =
            "CREATE TABLE assay (id INTEGER PRIMARY KEY, date INTEGER, filename TEXT, sample TEXT, area REAL);"
            "INSERT INTO assay VALUES (1, 1700000000123, '/data/run 1.stg', 'Полистирол', 2.5);"
            "INSERT INTO assay VALUES (2, NULL, NULL, NULL, NULL);";
        EXPECT_EQ(sqlite3_exec(db.Native(), script, nullptr, nullptr, nullptr), SQLITE_OK);
        return path;
    }

    TempFolder directory;
};

using Row = std::tuple<int32_t, int64_t, double, std::string>;

std::vector<Row> ReadRows(Handle& db, const char* sql) {
    std::vector<Row> rows;
    ForEachRow<int32_t, int64_t, double, std::string>(
        Prepare(db, sql), [&](int32_t id, int64_t date, double area, const std::string& sample) {
            rows.emplace_back(id, date, area, sample);
        });
    return rows;
}

TEST_F(DataBaseTest, TypedRowsWithNullColumnsAsZeroAndEmptyText) {
    Handle db(MakeDatabase());
    const std::vector<Row> rows = ReadRows(db, "SELECT id, date, area, sample FROM [assay] ORDER BY id;");
    EXPECT_EQ(rows, (std::vector<Row>{{1, 1700000000123, 2.5, "Полистирол"}, {2, 0, 0.0, ""}}));
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, QueryWithoutRowsNeverCallsBackAndFinalizes) {
    Handle db(MakeDatabase());
    int calls = 0;
    ForEachRow<std::string>(Prepare(db, "SELECT filename FROM [assay] WHERE id = ?;", {99}),
                            [&](const std::string&) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, BoundParameterSelectsTheRow) {
    Handle db(MakeDatabase());
    std::vector<std::string> names;
    ForEachRow<std::string>(Prepare(db, "SELECT filename FROM [assay] WHERE id = ?;", {1}),
                            [&](const std::string& name) { names.push_back(name); });
    EXPECT_EQ(names, std::vector<std::string>{"/data/run 1.stg"});
}

TEST_F(DataBaseTest, NoLocationOpensEmptyDatabaseWhereQueriesFailAtPreparation) {
    Handle db(std::nullopt);
    try {
        Prepare(db, "SELECT id FROM [assay];");
        FAIL() << "prepared a query on a missing table";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_ERROR);
        EXPECT_STREQ(error.what(), "no such table: assay");
        EXPECT_EQ(error.sql, "");
    }
}

TEST_F(DataBaseTest, MissingFileIsCreatedEmpty) {
    const std::string path = directory / "missing.db";
    Handle db(path);
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_THROW(Prepare(db, "SELECT id FROM [assay];"), SqlException);
}

TEST_F(DataBaseTest, FileNamePrefixIsPartOfAPlainName) {
    // As a URI, "mode=ro" would forbid creating the missing file and the name would lose its prefix.
    const std::string name = "file:quorvel-test-" + std::to_string(::getpid()) + ".db?mode=ro";
    {
        Handle db(name);
        ReadRows(db, "SELECT 1, 2, 3.0, 'x';");
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(name));
    std::filesystem::remove(name);
}

TEST_F(DataBaseTest, OpenFailureCarriesConnectionMessageAndCode) {
    try {
        Handle db(directory.Path().string());
        FAIL() << "opened a directory as a database";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_CANTOPEN);
        EXPECT_STREQ(error.what(), "unable to open database file");
        EXPECT_EQ(error.sql, "");
    }
}

TEST_F(DataBaseTest, PrepareErrorCarriesSqliteMessageAndCode) {
    Handle db(MakeDatabase());
    try {
        Prepare(db, "SELECT nosuchcolumn FROM [assay];");
        FAIL() << "prepared a query on a missing column";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_ERROR);
        EXPECT_STREQ(error.what(), "no such column: nosuchcolumn");
        EXPECT_EQ(error.sql, "");
    }
}

TEST_F(DataBaseTest, StepErrorCarriesStatementTextAndFinalizesIt) {
    const char* sql = "SELECT abs(-9223372036854775807 - 1), 0, 0.0, '';";
    std::optional<SqlException> caught;
    {
        Handle db(std::nullopt);
        try {
            ReadRows(db, sql);
        } catch (const SqlException& error) {
            caught = error;
        }
        EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
    }
    ASSERT_TRUE(caught.has_value());
    EXPECT_EQ(caught->code, SQLITE_ERROR);
    EXPECT_STREQ(caught->what(), sqlite3_errstr(SQLITE_ERROR));
    EXPECT_EQ(caught->sql, sql);  // still readable with statement and connection gone
}

TEST_F(DataBaseTest, CallbackExceptionFinalizesStatement) {
    Handle db(std::nullopt);
    EXPECT_THROW(ForEachRow<int32_t>(Prepare(db, "SELECT 1;"), [](int32_t) { throw std::runtime_error("stop"); }),
                 std::runtime_error);
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, NestedRowLoopsShareTheConnection) {
    Handle db(MakeDatabase());
    std::vector<std::string> samples;
    ForEachRow<int32_t>(Prepare(db, "SELECT id FROM [assay] ORDER BY id;"), [&](int32_t id) {
        ForEachRow<std::string>(Prepare(db, "SELECT sample FROM [assay] WHERE id = ?;", {id}),
                                [&](const std::string& sample) { samples.push_back(sample); });
    });
    EXPECT_EQ(samples, (std::vector<std::string>{"Полистирол", ""}));
}

TEST_F(DataBaseTest, MoreColumnsAskedThanSelectedIsAnError) {
    Handle db(std::nullopt);
    try {
        ForEachRow<int32_t, int32_t>(Prepare(db, "SELECT 1;"), [](int32_t, int32_t) {});
        FAIL() << "read a column that the statement does not have";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_RANGE);
        EXPECT_EQ(error.sql, "SELECT 1;");
    }
}

TEST_F(DataBaseTest, BindingAMissingParameterIsAnError) {
    Handle db(std::nullopt);
    try {
        Prepare(db, "SELECT ?;", {1, 5});
        FAIL() << "bound a parameter the statement does not have";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_RANGE);
        EXPECT_EQ(error.sql, "SELECT ?;");
    }
}

TEST_F(DataBaseTest, TextIsTakenAsItIsAndParametersAsNumbersWhateverTheLocale) {
    const CommaLocale locale;  // where it is installed; the text must not be formatted under any locale
    Handle db(std::nullopt);
    std::vector<double> values;
    std::string text;
    ForEachRow<int32_t, double, std::string>(Prepare(db, "SELECT ?, 2.5, '%d %s';", {7}),
                                             [&](int32_t first, double second, const std::string& third) {
                                                 values = {double(first), second};
                                                 text = third;
                                             });
    EXPECT_EQ(values, (std::vector<double>{7.0, 2.5}));
    EXPECT_EQ(text, "%d %s");
}

TEST_F(DataBaseTest, EmptyTextYieldsNoRows) {
    Handle db(std::nullopt);
    int calls = 0;
    ForEachRow<int32_t>(Prepare(db, "-- nothing"), [&](int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace
