// One channel block's samples as the assay record keeps them: a float64 list, each value a 32-bit
// sample widened. The 32-bit samples themselves are held, shared with the channel read from the same
// block, and widened only when read: nothing in the module reads them, and a float64 copy of every
// block would make loading write three times the bytes of the samples.
#pragma once

#include "data/SampleBuffer.h"

#include <algorithm>
#include <utility>
#include <vector>

class WidenedSamples {
public:
    WidenedSamples() = default;
    // Shares the block's samples (see SampleBuffer); implicit, so that a list is filled from channels.
    WidenedSamples(SampleBuffer<float> samples) : samples_(std::move(samples)) {}

    // The samples widened to float64, in order; a new array at each call.
    std::vector<double> Values() const { return {samples_.begin(), samples_.end()}; }

    // Whether both hold the very same 32-bit samples, not merely equal ones.
    bool SharesValuesWith(const WidenedSamples& other) const { return samples_.SharesValuesWith(other.samples_); }

    // Compares the widened values without building them.
    friend bool operator==(const WidenedSamples& a, const std::vector<double>& b) {
        return std::equal(a.samples_.begin(), a.samples_.end(), b.begin(), b.end(),
                          [](float sample, double value) { return static_cast<double>(sample) == value; });
    }

private:
    SampleBuffer<float> samples_;
};
