// The demo laboratory's data set as the host keeps it: a host database, chromatogram files with a
// refractive-index and an ultraviolet channel, the components table, the report stylesheet and a host
// profile naming the documents folder. The same seed always gives the same files.
#pragma once

#include "DemoLab.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DemoAssay {
    int32_t id = 0;
    std::string sample;
    std::string mixture;
    std::string method;
    bool calibration = false;
    std::vector<int> standards;  // indexes into DemoLab::Standards() of a calibration run
    std::optional<DemoPolymer> polymer;  // the broad sample of an analysis run
    std::string fileName;  // full path of its chromatogram file
};

struct DemoDataSet {
    std::string databasePath;
    std::string documentsFolder;
    std::string profilePath;
    std::vector<DemoAssay> assays;
};

struct DemoWriteResult {
    bool ok = false;
    std::string description;  // why nothing (or not everything) was written
    DemoDataSet set;
};

// Writes the data set into folder (created if missing). Refuses, writing nothing, when the folder
// already holds a host database.
DemoWriteResult WriteDemoData(const std::string& folder, uint64_t seed);
