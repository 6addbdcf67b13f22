// The descriptive data of a chromatogram (its run and columns), stored in the file's XML part.
#pragma once

#include "data/ColumnInfo.h"
#include "data/PassportField.h"

#include <cstdint>
#include <string>
#include <vector>

struct Passport {
    std::string path;  // file of the last successful read or of the last write; not stored in the file
    std::string assayId = "00000000-0000-0000-0000-000000000000";
    std::string series;
    int64_t anDate = 0;
    double duration = 0.0;
    std::string sample;
    std::string method;
    bool graduation = false;
    int64_t date = 0;
    bool defect = false;
    std::string mixture;
    std::vector<ColumnInfo> columns;
    std::vector<PassportField> fields;  // written after the columns, in list order
};
