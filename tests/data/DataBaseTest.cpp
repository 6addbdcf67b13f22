// The database layer against real SQLite files built here.
#include "data/DataBase.h"

#include "CommaLocale.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <unistd.h>
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
        DataBaseConnection connection;
        connection.SetUri(path);
        Handle db(connection);
        const char* script =
            "CREATE TABLE assay (id INTEGER PRIMARY KEY, date INTEGER, filename TEXT, sample TEXT, area REAL);"
            "INSERT INTO assay VALUES (1, 1700000000123, '/data/run 1.stg', 'Полистирол', 2.5);"
            "INSERT INTO assay VALUES (2, NULL, NULL, NULL, NULL);";
        EXPECT_EQ(sqlite3_exec(db.Native(), script, nullptr, nullptr, nullptr), SQLITE_OK);
        return path;
    }

    DataBaseConnection At(const std::string& uri) {
        DataBaseConnection connection;
        connection.SetUri(uri);
        return connection;
    }

    TempFolder directory;
};

using Row = std::tuple<int32_t, int64_t, double, std::string>;

std::vector<Row> ReadRows(Handle& db, const char* sql) {
    std::vector<Row> rows;
    ForEachRow<int32_t, int64_t, double, std::string>(
        Prepare(db, "%s", sql), [&](int32_t id, int64_t date, double area, const std::string& sample) {
            rows.emplace_back(id, date, area, sample);
        });
    return rows;
}

TEST_F(DataBaseTest, TypedRowsWithNullColumnsAsZeroAndEmptyText) {
    const DataBaseConnection connection = At(MakeDatabase());
    Handle db(connection);
    const std::vector<Row> rows = ReadRows(db, "SELECT id, date, area, sample FROM [assay] ORDER BY id;");
    EXPECT_EQ(rows, (std::vector<Row>{{1, 1700000000123, 2.5, "Полистирол"}, {2, 0, 0.0, ""}}));
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, QueryWithoutRowsNeverCallsBackAndFinalizes) {
    const DataBaseConnection connection = At(MakeDatabase());
    Handle db(connection);
    auto statement = Prepare(db, "SELECT filename FROM [assay] WHERE id = ?;");
    statement.BindInt64(1, 99);
    int calls = 0;
    ForEachRow<std::string>(std::move(statement), [&](const std::string&) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, BoundParameterSelectsTheRow) {
    const DataBaseConnection connection = At(MakeDatabase());
    Handle db(connection);
    auto statement = Prepare(db, "SELECT filename FROM [assay] WHERE id = ?;");
    statement.BindInt(1, 1);
    std::vector<std::string> names;
    ForEachRow<std::string>(std::move(statement), [&](const std::string& name) { names.push_back(name); });
    EXPECT_EQ(names, std::vector<std::string>{"/data/run 1.stg"});
}

TEST_F(DataBaseTest, NoLocationOpensEmptyDatabaseWhereQueriesFailAtPreparation) {
    const DataBaseConnection connection;
    Handle db(connection);
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
    const DataBaseConnection connection = At(path);
    Handle db(connection);
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_THROW(Prepare(db, "SELECT id FROM [assay];"), SqlException);
}

TEST_F(DataBaseTest, FileNamePrefixIsPartOfAPlainName) {
    // As a URI, "mode=ro" would forbid creating the missing file and the name would lose its prefix.
    const std::string name = "file:quorvel-test-" + std::to_string(::getpid()) + ".db?mode=ro";
    {
        const DataBaseConnection connection = At(name);
        Handle db(connection);
        ReadRows(db, "SELECT 1, 2, 3.0, 'x';");
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(name));
    std::filesystem::remove(name);
}

TEST_F(DataBaseTest, OpenFailureCarriesConnectionMessageAndCode) {
    const DataBaseConnection connection = At(directory.Path().string());
    try {
        Handle db(connection);
        FAIL() << "opened a directory as a database";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_CANTOPEN);
        EXPECT_STREQ(error.what(), "unable to open database file");
        EXPECT_EQ(error.sql, "");
    }
}

TEST_F(DataBaseTest, PrepareErrorCarriesSqliteMessageAndCode) {
    const DataBaseConnection connection = At(MakeDatabase());
    Handle db(connection);
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
    const DataBaseConnection connection;
    std::optional<SqlException> caught;
    {
        Handle db(connection);
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
    const DataBaseConnection connection;
    Handle db(connection);
    EXPECT_THROW(ForEachRow<int32_t>(Prepare(db, "SELECT 1;"), [](int32_t) { throw std::runtime_error("stop"); }),
                 std::runtime_error);
    EXPECT_EQ(sqlite3_next_stmt(db.Native(), nullptr), nullptr);
}

TEST_F(DataBaseTest, NestedRowLoopsShareTheConnection) {
    const DataBaseConnection connection = At(MakeDatabase());
    Handle db(connection);
    std::vector<std::string> samples;
    ForEachRow<int32_t>(Prepare(db, "SELECT id FROM [assay] ORDER BY id;"), [&](int32_t id) {
        auto inner = Prepare(db, "SELECT sample FROM [assay] WHERE id = ?;");
        inner.BindInt(1, id);
        ForEachRow<std::string>(std::move(inner), [&](const std::string& sample) { samples.push_back(sample); });
    });
    EXPECT_EQ(samples, (std::vector<std::string>{"Полистирол", ""}));
}

TEST_F(DataBaseTest, MoreColumnsAskedThanSelectedIsAnError) {
    const DataBaseConnection connection;
    Handle db(connection);
    try {
        ForEachRow<int32_t, int32_t>(Prepare(db, "SELECT 1;"), [](int32_t, int32_t) {});
        FAIL() << "read a column that the statement does not have";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_RANGE);
        EXPECT_EQ(error.sql, "SELECT 1;");
    }
}

TEST_F(DataBaseTest, BindingAMissingParameterIsAnError) {
    const DataBaseConnection connection;
    Handle db(connection);
    auto statement = Prepare(db, "SELECT ?;");
    try {
        statement.BindInt(2, 5);
        FAIL() << "bound a parameter the statement does not have";
    } catch (const SqlException& error) {
        EXPECT_EQ(error.code, SQLITE_RANGE);
        EXPECT_EQ(error.sql, "SELECT ?;");
    }
}

TEST_F(DataBaseTest, FormattedStatementUsesPointWhateverTheLocale) {
    const CommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no comma-decimal locale installed";
    const DataBaseConnection connection;
    Handle db(connection);
    std::vector<double> values;
    ForEachRow<int32_t, double>(Prepare(db, "SELECT %d, %.1f;", 7, 2.5),
                                [&](int32_t first, double second) { values = {double(first), second}; });
    EXPECT_EQ(values, (std::vector<double>{7.0, 2.5}));
}

TEST_F(DataBaseTest, EmptyTextYieldsNoRows) {
    const DataBaseConnection connection;
    Handle db(connection);
    int calls = 0;
    ForEachRow<int32_t>(Prepare(db, "-- nothing"), [&](int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace
