// The slices of one chromatogram channel from its first peak's front to its last peak's back, and the
// straight baseline through the two end samples. Indexes are sample numbers, heights detector units.
#pragma once

#include "data/Channel.h"
#include "data/Peak.h"

#include <cstdint>
#include <vector>

struct SliceWindow {
    // Range [index(front of the first peak), index(back of the last peak)) on channel; peaks must not
    // be empty. The indexes are not checked against the samples (see FitBaseline).
    static SliceWindow FromPeaks(const Channel& channel, const std::vector<Peak>& peaks);

    // Sets the baseline through samples first and end (slope 1 when they coincide, rounded to a
    // 32-bit float). Returns false, baseline unchanged, when such a sample lies outside samples;
    // then every index of [first, end) is valid.
    bool FitBaseline(const std::vector<float>& samples);

    // Height of sample i above the baseline; i must lie in [first, end) after FitBaseline succeeded.
    double HeightAt(const std::vector<float>& samples, int32_t i) const { return samples[i] - (i * slope + intercept); }

    bool Empty() const { return end <= first; }

    int32_t first = 0;
    int32_t end = 0;  // excluded from the slices
    double slope = 1.0;
    double intercept = 0.0;
};
