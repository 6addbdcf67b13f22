// How a calibration run went for each included assay. The calculation shows nothing itself: its
// caller decides which outcomes the user is told of.
#pragma once

#include "base/Status.h"

#include <algorithm>
#include <cstdint>
#include <vector>

enum class AssayOutcome : int32_t {
    Calculated,  // fitted, averages computed
    Skipped,  // the selected channel is missing or holds no samples: the assay changes nothing
    NoPeaks,  // fitted; no database peak bounds the slices, so the averages stay as they were
    NoPoints,  // no calibration: no point exists, or the broad standard gave no line; the averages are 0
    SlicesOutside,  // fitted; the slice range lies outside the samples, so the averages are 0
};

struct CalculationStatus {
    std::vector<AssayOutcome> assays;  // one per included assay, in list order
    // Why the broad standard gave no line (nothing was calculated then); ok for every other run.
    Status calibration;

    // The assays whose averages could not be computed: slices outside the samples, the one outcome
    // that means the data is wrong rather than incomplete.
    int32_t AveragesFailures() const {
        return static_cast<int32_t>(std::count(assays.begin(), assays.end(), AssayOutcome::SlicesOutside));
    }
    explicit operator bool() const { return AveragesFailures() == 0; }
};
