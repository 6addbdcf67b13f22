// Small assays for the calculation tests: channel 0 holds the samples (detector units, times in
// minutes) and the standards' peak table; database peaks give the slice range.
#pragma once

#include "data/Assay.h"

#include <string>
#include <utility>
#include <vector>

inline TableItem Standard(const std::string& name, double time, double molarMass) {
    TableItem item;
    item.name = name;
    item.componentText = name + " standard";
    item.time = time;
    item.concent = 1.0;
    item.molarMass = molarMass;
    return item;
}

inline Peak RangePeak(double front, double back) {
    Peak peak;
    peak.name = "sample";
    peak.front = front;
    peak.back = back;
    return peak;
}

inline Assay MakeAssay(double value1, double value2, std::vector<float> samples, std::vector<TableItem> table = {},
                       std::vector<Peak> peaks = {}) {
    Channel channel;
    channel.value1 = value1;
    channel.value2 = value2;
    channel.samples = std::move(samples);
    channel.table = std::move(table);
    Assay assay;
    assay.included = 1;
    assay.channels.push_back(channel);
    assay.peaks = std::move(peaks);
    return assay;
}

// Standards of the line lg M = 8 - 0.5 T: 1000 g/mol at 10 min and 100 g/mol at 12 min.
inline std::vector<TableItem> LineStandards() {
    return {Standard("PS-1000", 10.0, 1000.0), Standard("PS-100", 12.0, 100.0)};
}
