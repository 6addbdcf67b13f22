// One chromatogram of the workbench: its [assay] row, the channels of its file and its [peak] rows.
#pragma once

#include "data/Channel.h"
#include "data/Peak.h"
#include "data/WidenedSamples.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

struct Assay {
    int32_t id = 0;  // [assay].id; unique within the workbench's assay list
    int64_t date = 0;  // seconds since 1970-01-01 00:00 UTC
    std::string fileName;  // full path of the chromatogram file as the host stored it
    std::string sample;
    std::string method;
    std::string mixture;
    bool isCalibration = false;  // [assay].iscalibration non-zero
    std::string spareText1;
    int32_t spareNumber = 0;
    std::string spareText2;
    int32_t included = 0;  // mirrors the check box of the assay's row; non-zero takes part
    std::vector<Channel> channels;  // in file order; empty when the file could not be read whole
    std::vector<Peak> peaks;  // sorted by (channel, time)
    double lastValue2 = -std::numeric_limits<double>::max();  // of the last channel block read
    double lastValue1 = -std::numeric_limits<double>::max();
    std::vector<WidenedSamples> signals;  // each block's samples widened to float64, when read
};
