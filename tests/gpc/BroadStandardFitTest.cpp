// Broad-standard calibration (type 1): the slope search, its bounds, and when it does not run.
#include "gpc/BroadStandardFit.h"
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kStep = 1.0 / 128;  // minutes between samples, exact in binary

// Slices 2 and -1 at samples 1 and 2 over a zero baseline: with g = 10^(A * kStep) the ratio is
// F = g / ((2g - 1)(2 - g)), which rises from 1 at A = 0, so a ratio above 1 has one root g > 1.
const std::vector<float> kMixedSamples = {0, 2, -1, 0};

double RootGrowth(double ratio) {
    const double b = 5 * ratio - 1;
    return (b + std::sqrt(b * b - 16 * ratio * ratio)) / (4 * ratio);
}

SliceWindow FittedWindow(const std::vector<float>& samples, int32_t first, int32_t end) {
    SliceWindow window;
    window.first = first;
    window.end = end;
    EXPECT_TRUE(window.FitBaseline(samples));
    return window;
}

TEST(BroadStandardFit, BisectionFindsSlopeOfRatio) {
    const double ratio = 1.01;
    const BroadStandardLine line =
        FitBroadStandard(kMixedSamples, FittedWindow(kMixedSamples, 0, 3), kStep, ratio, 250.0);
    const double g = RootGrowth(ratio);
    EXPECT_NEAR(line.k1, std::log10(g) / kStep, 1e-3);
    EXPECT_NEAR(line.k0, 250.0 / (2 * g - g * g), 250.0 * 1e-4);
    EXPECT_EQ(line.k0, static_cast<float>(line.k0));
}

TEST(BroadStandardFit, CalibrationTakesRatioAndMassFromConstants) {
    CCalibration calibration;
    const double ratio = 1.01;
    calibration.results.k2 = calibration.results.k3 = 7.0;
    calibration.SetInputs(ratio, 1.0, CCalibration::kPolydisperse, 2, 0,
                          {MakeAssay(0.0, kStep, kMixedSamples, LineStandards(), {RangePeak(0.0, 3 * kStep)})}, {});
    const CalculationStatus status = calibration.Run();
    const double g = RootGrowth(ratio);
    EXPECT_NEAR(calibration.results.k1, std::log10(g) / kStep, 1e-3);
    EXPECT_NEAR(calibration.results.k0, ratio / (2 * g - g * g), 1e-4);
    EXPECT_EQ(calibration.results.k2, 0.0);
    EXPECT_EQ(calibration.results.k3, 0.0);
    EXPECT_TRUE(calibration.calPoints.empty());
    EXPECT_TRUE(calibration.pointX.empty());
    EXPECT_TRUE(calibration.curveX.empty());
    EXPECT_EQ(status.assays, std::vector<AssayOutcome>{AssayOutcome::NoPoints});  // a broad standard forms none
}

// A signal that never dips below its baseline has F <= F(0) = 1, so no slope beats a ratio of 1
// and the search stays at slope 0; k0 is then the reference mass.
TEST(BroadStandardFit, NonNegativeSignalStaysAtZeroSlope) {
    const std::vector<float> samples = {0, 1, 3, 2, 1, 0};
    const BroadStandardLine line = FitBroadStandard(samples, FittedWindow(samples, 0, 5), 0.1, 1.0, 1000.0);
    EXPECT_EQ(line.k1, 0.0);
    EXPECT_EQ(line.k0, 1000.0);
}

struct NoSearchCase {
    const char* name;
    double K;
    double Alpha;
    std::vector<Peak> peaks;
};

class BroadStandardNoSearch : public testing::TestWithParam<NoSearchCase> {};

TEST_P(BroadStandardNoSearch, GivesZeroLine) {
    const NoSearchCase& c = GetParam();
    CCalibration calibration;
    CalibrationResults& r = calibration.results;
    r.k0 = r.k1 = r.k2 = r.k3 = 7.0;
    calibration.SetInputs(c.K, c.Alpha, CCalibration::kPolydisperse, 0, 0,
                          {MakeAssay(0.0, kStep, kMixedSamples, {}, c.peaks)}, {});
    const CalculationStatus status = calibration.Run();
    for (double k : {r.k0, r.k1, r.k2, r.k3}) EXPECT_EQ(k, 0.0);
    EXPECT_TRUE(status);
}

INSTANTIATE_TEST_SUITE_P(Cases, BroadStandardNoSearch,
                         testing::Values(NoSearchCase{"AlphaZero", 1.01, 0.0, {RangePeak(0.0, 3 * kStep)}},
                                         NoSearchCase{"KZeroAlphaZero", 0.0, 0.0, {RangePeak(0.0, 3 * kStep)}},
                                         NoSearchCase{"KInfinite", kInf, 1.0, {RangePeak(0.0, 3 * kStep)}},
                                         NoSearchCase{"KNaN", kNaN, 1.0, {RangePeak(0.0, 3 * kStep)}},
                                         NoSearchCase{"EmptyRange", 1.01, 1.0, {RangePeak(2 * kStep, 2 * kStep)}},
                                         NoSearchCase{"BackBeforeFront", 1.01, 1.0, {RangePeak(3 * kStep, kStep)}},
                                         NoSearchCase{"BackBeyondSamples", 1.01, 1.0, {RangePeak(0.0, 40 * kStep)}},
                                         NoSearchCase{"NoPeaks", 1.01, 1.0, {}}),
                         [](const testing::TestParamInfo<NoSearchCase>& info) { return std::string(info.param.name); });

struct EndsCase {
    const char* name;
    std::vector<float> samples;
    double value2;
    double ratio;
};

class BroadStandardEnds : public testing::TestWithParam<EndsCase> {};

// Hostile inputs: the search must end with a slope inside the scanned span.
TEST_P(BroadStandardEnds, EndsWithinScannedSlopes) {
    const EndsCase& c = GetParam();
    const BroadStandardLine line = FitBroadStandard(
        c.samples, FittedWindow(c.samples, 0, static_cast<int32_t>(c.samples.size()) - 1), c.value2, c.ratio, 1.0);
    EXPECT_GE(line.k1, 0.0);
    EXPECT_LE(line.k1, 500.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, BroadStandardEnds,
                         testing::Values(EndsCase{"NaNSample", {0, std::nanf(""), 1, 0}, 0.1, 0.5},
                                         EndsCase{"InfiniteSample", {0, INFINITY, 1, 0}, 0.1, 0.5},
                                         EndsCase{"HugeStep", {0, 2, -1, 0}, 1e300, 1.01},
                                         EndsCase{"NegativeStep", {0, 2, -1, 0}, -kStep, 1.01},
                                         EndsCase{"NegativeRatio", {0, 2, -1, 0}, kStep, -1.0},
                                         EndsCase{"HugeRatio", {0, 2, -1, 0}, kStep, 1e300},
                                         EndsCase{"RatioJustAboveOne", {0, 2, -1, 0}, kStep, 1.0 + 1e-12}),
                         [](const testing::TestParamInfo<EndsCase>& info) { return std::string(info.param.name); });

}  // namespace
