// Small host data sets built by tests: a host database with the [assay] and [peak] tables, and
// chromatogram files with channels of samples and peak tables.
#pragma once

#include "data/Channel.h"

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct LabPeak {
    std::string name;
    double time = 0.0;  // minutes
    int32_t channel = 0;
    double front = 0.0;  // minutes
    double back = 0.0;  // minutes
    double concentration = 0.0;
};

class LabDatabase {
public:
    // Creates (or opens) the database file at path with the host's schema.
    explicit LabDatabase(const std::string& path);
    ~LabDatabase();
    LabDatabase(const LabDatabase&) = delete;
    LabDatabase& operator=(const LabDatabase&) = delete;

    // Adds an [assay] row; returns its id.
    int32_t AddAssay(int32_t id, const std::string& fileName, const std::string& sample, const std::string& method,
                     bool isCalibration = false, int64_t date = 1700000000, const std::string& mixture = "");
    void AddPeak(int32_t assayId, const LabPeak& peak);
    // Runs any SQL (a test's own damage, a NULL column ...).
    void Execute(const std::string& sql);

    const std::string path;

private:
    sqlite3* db_ = nullptr;
};

// A channel of numbered detector samples starting at value1 (minutes) every value2 minutes.
Channel LabChannel(int32_t number, double value1, double value2, std::vector<float> samples);
// A calibration peak-table item: a named component at a retention time with a concentration.
TableItem LabItem(const std::string& name, double time, double concent = 1.0);
// An empty folder for the running test, under the system's temporary folder, named after the
// prefix, the process and the test; the test removes it when done.
std::filesystem::path FreshTestFolder(const std::string& prefix);
// Writes a chromatogram file holding these channels; false when it could not be written.
bool WriteChromatogram(const std::string& path, const std::vector<Channel>& channels);
