// Written as plainly as the arithmetic allows, so that what remains is what any calculation must do.
#include "SliceFloor.h"

#include "base/VectorState.h"

#include <cmath>

SliceFloor::SliceFloor(const CCalibration& calibration) : coefficients_(calibration.results) {
    for (const AssayResults& results : calibration.assayResults) {
        const Assay& assay = calibration.Assays[results.assayIndex];
        const Channel& channel = assay.channels[calibration.ChannelIndex];
        Slices slices{channel, SliceWindow::FromPeaks(channel, assay.peaks)};
        slices.window.FitBaseline(channel.samples);
        assays_.push_back(std::move(slices));
    }
}

double SliceFloor::Run() const {
    // Always in the clean vector state: a calculation left to run in the other shows as its ratio.
    ClearUpperVectorState();
    const CalibrationResults& r = coefficients_;
    double total = 0.0;
    for (const Slices& slices : assays_) {
        const float* samples = slices.channel.samples.data();
        const SliceWindow& window = slices.window;
        double sum0 = 0.0, sumInverse = 0.0, sum1 = 0.0, sum2 = 0.0, sum3 = 0.0, highest = 0.0;
        int32_t highestIndex = 0;
        for (int32_t i = window.first; i < window.end; ++i) {
            const double t = i * slices.channel.value2 + slices.channel.value1;
            const double m = std::pow(10.0, ((r.k3 * t + r.k2) * t + r.k1) * t + r.k0);
            const double h = samples[i] - (i * window.slope + window.intercept);
            if (h > highest) {
                highest = h;
                highestIndex = i;
            }
            sum0 += h;
            sumInverse += h / m;
            sum1 += h * m;
            sum2 += h * m * m;
            sum3 += h * m * m * m;
        }
        total += sum0 / sumInverse + sum1 / sum0 + sum2 / sum1 + sum3 / sum2 + highestIndex;
    }
    return total;
}
