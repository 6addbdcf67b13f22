// One chromatographic column of a chromatogram's passport, as stored in the file's XML part.
#pragma once

#include <cstdint>
#include <string>

struct ColumnInfo {
    int32_t channel = 0;  // detector channel the column feeds
    std::string name;
    std::string brand;
    int32_t type = 0;
    double diameter = 0.0;
    double length = 0.0;
    std::string carrier;
    std::string phase;
    double percent = 0.0;
    int32_t unit = 0;
    double fraction0 = 0.0;
    double fraction1 = 0.0;
    double film = 0.0;
    std::string part;
    std::string serial;
};
