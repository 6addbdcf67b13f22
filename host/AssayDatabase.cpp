// The host's assay database: schema creation, checks and the read queries.
#include "host/AssayDatabase.h"

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

constexpr int BusyTimeoutMs = 2000;

struct CloseConnection {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

Connection OpenConnection(const std::string& path, int flags, std::string& message) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    Connection connection(db);
    if (rc != SQLITE_OK) {
        message = "Cannot open the database \"" + path + "\": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        return nullptr;
    }
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    return connection;
}

// A read-only connection to the database opened before; null with a message when none is open.
Connection OpenForReading(const std::string& path, std::string& message) {
    if (path.empty()) {
        message = "No database is open.";
        return nullptr;
    }
    return OpenConnection(path, SQLITE_OPEN_READONLY, message);
}

std::string Text(sqlite3_stmt* statement, int column) {
    const auto* text = sqlite3_column_text(statement, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

// Runs sql, binding text to parameter 1 when given, and hands each row to onRow (at most
// AssayDatabase::MaxRows rows). Returns false with a message on failure or when rows were left out.
bool ForEachRow(sqlite3* db, const std::string& sql, const std::string* text,
                const std::function<void(sqlite3_stmt*)>& onRow, std::string& message) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        message = std::string("The database query failed: ") + sqlite3_errmsg(db);
        return false;
    }
    Statement statement(raw);
    if (text) sqlite3_bind_text(raw, 1, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    std::size_t count = 0;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        if (++count > AssayDatabase::MaxRows) {
            message = "The database holds more than " + std::to_string(AssayDatabase::MaxRows) +
                      " rows here; only the first ones are shown.";
            return false;
        }
        onRow(raw);
    }
    if (rc != SQLITE_DONE) {
        message = std::string("The database query failed: ") + sqlite3_errmsg(db);
        return false;
    }
    return true;
}

bool Execute(sqlite3* db, const char* sql, std::string& message) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK) return true;
    message = error ? error : "unknown error";
    sqlite3_free(error);
    return false;
}

constexpr const char* AssayQuery =
    "SELECT id, date, filename, sample, mixture, method, iscalibration FROM assay ORDER BY id";
constexpr const char* PeakQuery =
    "SELECT peak.assayid, nameid, name, area, time, concentration, height, channel, front, back "
    "FROM peak JOIN assay ON peak.assayid = assay.id WHERE assay.filename = ?1 "
    "ORDER BY peak.assayid, channel, time";

}  // namespace

const char* const AssayDatabase::Schema =
    "CREATE TABLE assay (id INTEGER PRIMARY KEY, date INTEGER NOT NULL, filename TEXT NOT NULL,\n"
    "                    sample TEXT, mixture TEXT, method TEXT, iscalibration INTEGER NOT NULL "
    "DEFAULT 0);\n"
    "CREATE TABLE peak  (id INTEGER PRIMARY KEY, assayid INTEGER NOT NULL REFERENCES assay(id) "
    "ON DELETE CASCADE,\n"
    "                    nameid TEXT, name TEXT, area REAL, time REAL, concentration REAL, "
    "height REAL,\n"
    "                    channel INTEGER, front REAL, back REAL);\n"
    "CREATE INDEX peak_assayid ON peak (assayid);\n";

bool AssayDatabase::Open(const std::string& path, std::string& message) {
    path_.clear();
    std::error_code error;
    if (path.empty()) {
        message = "No database was given (option --db).";
        return false;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        message = "The database file \"" + path + "\" does not exist.";
        return false;
    }
    // Opened without SQLITE_OPEN_CREATE, so that a path that vanished meanwhile is not created.
    Connection db = OpenConnection(path, SQLITE_OPEN_READWRITE, message);
    if (!db) return false;
    int tableCount = 0;
    std::string reason;
    if (!ForEachRow(
            db.get(), "SELECT count(*) FROM sqlite_master WHERE type = 'table'", nullptr,
            [&](sqlite3_stmt* row) { tableCount = sqlite3_column_int(row, 0); }, reason)) {
        message = "\"" + path + "\" is not a usable database: " + reason;
        return false;
    }
    const std::string schema = std::string("BEGIN;\n") + Schema + "COMMIT;";
    if (tableCount == 0 && !Execute(db.get(), schema.c_str(), reason)) {
        message = "Cannot create the tables in \"" + path + "\": " + reason;
        return false;
    }
    for (const char* check : {AssayQuery, PeakQuery}) {
        sqlite3_stmt* raw = nullptr;
        const int rc = sqlite3_prepare_v2(db.get(), check, -1, &raw, nullptr);
        Statement statement(raw);
        if (rc != SQLITE_OK) {
            message = "\"" + path + "\" is not an assay database: " + sqlite3_errmsg(db.get());
            return false;
        }
    }
    path_ = path;
    return true;
}

bool AssayDatabase::Assays(std::vector<AssayRow>& rows, std::string& message) const {
    rows.clear();
    Connection db = OpenForReading(path_, message);
    if (!db) return false;
    return ForEachRow(
        db.get(), AssayQuery, nullptr,
        [&](sqlite3_stmt* row) {
            rows.push_back(AssayRow{sqlite3_column_int(row, 0), sqlite3_column_int64(row, 1), Text(row, 2),
                                    Text(row, 3), Text(row, 4), Text(row, 5), sqlite3_column_int(row, 6) != 0});
        },
        message);
}

bool AssayDatabase::PeaksOfFile(const std::string& fileName, std::vector<PeakRow>& rows, std::string& message) const {
    rows.clear();
    Connection db = OpenForReading(path_, message);
    if (!db) return false;
    return ForEachRow(
        db.get(), PeakQuery, &fileName,
        [&](sqlite3_stmt* row) {
            rows.push_back(
                PeakRow{sqlite3_column_int(row, 0), Text(row, 1), Text(row, 2), sqlite3_column_double(row, 3),
                        sqlite3_column_double(row, 4), sqlite3_column_double(row, 5), sqlite3_column_double(row, 6),
                        sqlite3_column_int(row, 7), sqlite3_column_double(row, 8), sqlite3_column_double(row, 9)});
        },
        message);
}
