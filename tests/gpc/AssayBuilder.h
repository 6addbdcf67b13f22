// Small assays for the calculation tests: channel 0 holds the samples (detector units, times in
// minutes) and the standards' peak table; database peaks give the slice range.
#pragma once

#include "data/Assay.h"

#include <cmath>
#include <numbers>
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

// Weights normal in lg M (M in g/mol): the averages of a log-normal distribution.
struct LogNormal {
    double meanLgM = 0.0;
    double deviationLgM = 0.0;

    // exp(s^2 / 2) with s the deviation of ln M.
    double Spread() const {
        const double s = deviationLgM * std::numbers::ln10;
        return std::exp(s * s / 2.0);
    }
    double Mw() const { return std::pow(10.0, meanLgM) * Spread(); }
    double Mn() const { return std::pow(10.0, meanLgM) / Spread(); }
};

// The chromatogram a log-normal sample gives under a calibration linear in T (lg M falling by
// lgMPerMinute each minute): normal in T around the time of its mean lg M. Samples 1/50 deviation
// apart over eight deviations each side; its peak bounds the slices to six (the rest of the area is
// below 1e-8). meanTime in minutes.
inline Assay NormalPeakAssay(const LogNormal& sample, double meanTime, double lgMPerMinute,
                             std::vector<TableItem> table = {}) {
    const double deviation = sample.deviationLgM / lgMPerMinute;
    const double step = deviation / 50.0;
    std::vector<float> samples;
    for (int i = 0; i <= 800; ++i) {
        const double z = (i * step - 8.0 * deviation) / deviation;
        samples.push_back(static_cast<float>(1000.0 * std::exp(-0.5 * z * z)));
    }
    return MakeAssay(meanTime - 8.0 * deviation, step, std::move(samples), std::move(table),
                     {RangePeak(meanTime - 6.0 * deviation, meanTime + 6.0 * deviation)});
}
