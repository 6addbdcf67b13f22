// Slice range and baseline shared by the averages and the broad-standard calibration.
#include "gpc/SliceWindow.h"

namespace {

bool Holds(const std::vector<float>& samples, int32_t i) { return i >= 0 && static_cast<size_t>(i) < samples.size(); }

}  // namespace

SliceWindow SliceWindow::FromPeaks(const Channel& channel, const std::vector<Peak>& peaks) {
    SliceWindow window;
    window.first = channel.IndexOfTime(peaks.front().front);
    window.end = channel.IndexOfTime(peaks.back().back);
    return window;
}

bool SliceWindow::FitBaseline(const std::vector<float>& samples) {
    if (!Holds(samples, first) || (first != end && !Holds(samples, end))) return false;
    // The slope is a 32-bit float quotient, as in the results labs already hold.
    float newSlope = 1.0f;
    if (first != end) newSlope = (samples[end] - samples[first]) / static_cast<float>(end - first);
    slope = newSlope;
    intercept = samples[first] - first * slope;
    return true;
}
