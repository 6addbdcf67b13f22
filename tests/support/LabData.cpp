#include "LabData.h"

#include "data/COrbitasFile4.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <stdexcept>

namespace {

void Check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
}

const char kSchema[] =
    "CREATE TABLE IF NOT EXISTS assay (id INTEGER PRIMARY KEY, date INTEGER NOT NULL, filename TEXT NOT NULL,"
    " sample TEXT, mixture TEXT, method TEXT, iscalibration INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE IF NOT EXISTS peak (id INTEGER PRIMARY KEY, assayid INTEGER NOT NULL REFERENCES assay(id)"
    " ON DELETE CASCADE, nameid TEXT, name TEXT, area REAL, time REAL, concentration REAL, height REAL,"
    " channel INTEGER, front REAL, back REAL);"
    "CREATE INDEX IF NOT EXISTS peak_assayid ON peak (assayid);";

// Prepares one statement, lets bind fill its parameters and runs it to completion.
void RunOnce(sqlite3* db, const char* sql, const std::function<void(sqlite3_stmt*)>& bind) {
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), db);
    bind(statement);
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    Check(rc, db);
}

}  // namespace

LabDatabase::LabDatabase(const std::string& databasePath) : path(databasePath) {
    Check(sqlite3_open(path.c_str(), &db_), db_);
    Execute(kSchema);
}

LabDatabase::~LabDatabase() { sqlite3_close(db_); }

void LabDatabase::Execute(const std::string& sql) {
    Check(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), db_);
}

int32_t LabDatabase::AddAssay(int32_t id, const std::string& fileName, const std::string& sample,
                              const std::string& method, bool isCalibration, int64_t date, const std::string& mixture) {
    RunOnce(db_,
            "INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration)"
            " VALUES (?, ?, ?, ?, ?, ?, ?);",
            [&](sqlite3_stmt* statement) {
                sqlite3_bind_int(statement, 1, id);
                sqlite3_bind_int64(statement, 2, date);
                sqlite3_bind_text(statement, 3, fileName.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 4, sample.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 5, mixture.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 6, method.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(statement, 7, isCalibration ? 1 : 0);
            });
    return id;
}

void LabDatabase::AddPeak(int32_t assayId, const LabPeak& peak) {
    RunOnce(db_,
            "INSERT INTO peak (assayid, nameid, name, area, time, concentration, height, channel, front, back)"
            " VALUES (?, ?, ?, 1.0, ?, ?, 1.0, ?, ?, ?);",
            [&](sqlite3_stmt* statement) {
                sqlite3_bind_int(statement, 1, assayId);
                sqlite3_bind_text(statement, 2, peak.name.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(statement, 3, peak.name.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_double(statement, 4, peak.time);
                sqlite3_bind_double(statement, 5, peak.concentration);
                sqlite3_bind_int(statement, 6, peak.channel);
                sqlite3_bind_double(statement, 7, peak.front);
                sqlite3_bind_double(statement, 8, peak.back);
            });
}

Channel LabChannel(int32_t number, double value1, double value2, std::vector<float> samples) {
    Channel channel;
    channel.number = number;
    channel.value1 = value1;
    channel.value2 = value2;
    channel.samples = std::move(samples);
    return channel;
}

TableItem LabItem(const std::string& name, double time, double concent) {
    TableItem item;
    item.name = name;
    item.time = time;
    item.concent = concent;
    return item;
}

bool WriteChromatogram(const std::string& path, const std::vector<Channel>& channels) {
    COrbitasFile4 file;
    file.channels = channels;
    return file.Write(path).code == COrbitasFile4::Ok;
}

std::filesystem::path FreshTestFolder(const std::string& prefix) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(::getpid()) + "-" +
                                                  testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
