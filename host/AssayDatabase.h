// The host's assay database (SQLite): the tables [assay] and [peak], created by the host in an empty
// database file, and the queries behind the host's assay list, chooser and file viewer. Each query
// opens its own read-only connection, so the plug-ins' connections are never disturbed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One [assay] row.
struct AssayRow {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970-01-01 00:00 UTC
    std::string fileName;
    std::string sample;
    std::string mixture;
    std::string method;
    bool isCalibration = false;
};

// One [peak] row. NULL columns read as 0, 0.0 or "".
struct PeakRow {
    int32_t assayId = 0;
    std::string nameId;
    std::string name;
    double area = 0.0;
    double time = 0.0;  // minutes
    double concentration = 0.0;
    double height = 0.0;
    int32_t channel = 0;
    double front = 0.0;  // minutes
    double back = 0.0;  // minutes
};

class AssayDatabase {
public:
    // The statements that create the two tables and the index of [peak] by assay: the module asks for
    // one assay's peaks at each assay it loads, which without it scans every peak row. A database
    // made without the index still serves, only slower.
    static const char* const Schema;
    // Most rows one query hands back; further rows are left out with a message.
    static constexpr std::size_t MaxRows = 100000;

    // Opens the existing database file at path: creates the tables in a database without any,
    // checks them otherwise. Returns false with a message (UTF-8) for a missing file, a file that
    // is no database, or a database without usable [assay] and [peak] tables.
    bool Open(const std::string& path, std::string& message);
    // True after a successful Open.
    bool IsOpen() const { return !path_.empty(); }
    // The path given to the successful Open; "" before.
    const std::string& Path() const { return path_; }

    // The [assay] rows ordered by id; false with a message when the query fails (rows then empty)
    // or when rows were left out beyond MaxRows (rows then hold the first MaxRows).
    bool Assays(std::vector<AssayRow>& rows, std::string& message) const;
    // The [peak] rows of the assays stored with fileName, ordered by assay, channel and time; false
    // with a message as Assays.
    bool PeaksOfFile(const std::string& fileName, std::vector<PeakRow>& rows, std::string& message) const;

private:
    std::string path_;
};
