// One detector channel of a chromatogram: its samples, their timing and its peak table.
#pragma once

#include "data/SampleBuffer.h"
#include "data/TableItem.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class Channel {
public:
    Channel() = default;
    // Copies number and name, then value1, value2, marker and samples under the destination's
    // lock, then the table. The lock itself is never copied; the samples are shared, not duplicated.
    Channel(const Channel& other);
    Channel& operator=(const Channel& other);
    Channel(Channel&& other) noexcept;
    Channel& operator=(Channel&& other) noexcept;

    // Index of the sample at retention time t (minutes): 0 when value2 is 0 or t < value1,
    // otherwise (t - value1) / value2 truncated toward zero. Not limited to samples.size().
    int32_t IndexOfTime(double t) const;

    int32_t number = 0;  // 0..255, one byte in the file
    std::string name;  // always empty in this system
    SampleBuffer<float> samples;  // detector signal, one value per sampling instant
    mutable std::mutex samplesLock;  // guards samples, value1, value2 and marker
    double value1 = 0.0;  // retention time of sample 0, minutes
    double value2 = 0.0;  // time between two successive samples, minutes
    int32_t marker = -1;  // not stored in the file
    std::vector<TableItem> table;  // the channel's peak table

private:
    void CopyFrom(const Channel& other);
    void MoveFrom(Channel& other) noexcept;
};
