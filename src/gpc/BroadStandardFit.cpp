// Broad-standard calibration: a coarse scan of trial slopes in steps of 5, then a bisection between
// slope 0 and the slope the scan stopped at. Both loops are bounded so that no input can hang them.
#include "gpc/BroadStandardFit.h"

#include <cmath>

namespace {

constexpr int kScanSteps = 100;
constexpr double kScanStep = 5.0;
constexpr int kMaxHalvings = 200;
constexpr double kTolerance = 1e-7;

class Slices {
public:
    Slices(const std::vector<float>& samples, const SliceWindow& window, double value2)
        : samples_(samples), window_(window), value2_(value2) {}

    // F(A) = (sum e)^2 / (sum e/f * sum e*f) with f = 10^(A * value2 * a), rounded to a 32-bit float.
    float Ratio(double slope) const {
        double sumE = 0.0;
        double sumEOverF = 0.0;
        double sumETimesF = 0.0;
        for (int32_t a = window_.first; a < window_.end; ++a) {
            const double e = window_.HeightAt(samples_, a);
            const double f = Growth(slope, a);
            sumE += e;
            sumEOverF += e / f;
            sumETimesF += e * f;
        }
        return static_cast<float>(sumE * sumE / (sumEOverF * sumETimesF));
    }

    // Intercept that carries the reference mass for slope; 0 when the weighted sum is 0.
    double Intercept(double slope, double referenceMass) const {
        double sumE = 0.0;
        double sumWeighted = 0.0;
        for (int32_t a = window_.first; a < window_.end; ++a) {
            const double e = window_.HeightAt(samples_, a);
            sumE += e;
            sumWeighted += e * Growth(slope, a);
        }
        if (sumWeighted == 0.0) return 0.0;
        return static_cast<float>(sumE * referenceMass / sumWeighted);
    }

private:
    double Growth(double slope, int32_t a) const { return std::pow(10.0, slope * value2_ * a); }

    const std::vector<float>& samples_;
    const SliceWindow& window_;
    double value2_;
};

}  // namespace

BroadStandardLine FitBroadStandard(const std::vector<float>& samples, const SliceWindow& window, double value2,
                                   double ratio, double referenceMass) {
    if (window.Empty() || !std::isfinite(ratio) || !std::isfinite(referenceMass)) return {};
    const Slices slices(samples, window, value2);

    const float ratioAtZero = slices.Ratio(0.0);
    double upper = kScanStep;
    float ratioAtUpper = 0.0f;
    for (int step = 0; step < kScanSteps; ++step) {
        ratioAtUpper = slices.Ratio(upper);
        if (ratioAtUpper > ratio) break;
        upper += kScanStep;
    }

    double lower = 0.0;
    float ratioAtLower = ratioAtZero;
    for (int halving = 0; halving < kMaxHalvings && ratioAtUpper - ratioAtLower > kTolerance; ++halving) {
        const double middle = (upper + lower) / 2.0;
        const float ratioAtMiddle = slices.Ratio(middle);
        if (!std::isfinite(ratioAtMiddle)) break;
        if (ratioAtMiddle > ratio) {
            upper = middle;
            ratioAtUpper = ratioAtMiddle;
        } else {
            lower = middle;
            ratioAtLower = ratioAtMiddle;
        }
    }
    return {slices.Intercept(lower, referenceMass), lower};
}
