// One detector channel of a chromatogram: its samples, their timing and its peak table.
#pragma once

#include "data/SampleBuffer.h"
#include "data/TableItem.h"

#include <cstdint>
#include <string>
#include <vector>

class Channel {
public:
    // Copies share the samples rather than duplicate them (SampleBuffer copies on write).

    // Index of the sample at retention time t (minutes): 0 when value2 is 0 or t < value1,
    // otherwise (t - value1) / value2 truncated toward zero. Not limited to samples.size().
    int32_t IndexOfTime(double t) const;

    int32_t number = 0;  // 0..255, one byte in the file
    std::string name;  // always empty in this system
    SampleBuffer<float> samples;  // detector signal, one value per sampling instant
    double value1 = 0.0;  // retention time of sample 0, minutes
    double value2 = 0.0;  // time between two successive samples, minutes
    int32_t marker = -1;  // not stored in the file
    std::vector<TableItem> table;  // the channel's peak table
};
