// Broad-standard calibration (type 1): the line whose Mn and Mw of the standard's own slices are the
// known ones, every included assay's averages from it, and the refusals.
#include "gpc/BroadStandardFit.h"
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SliceWindow FittedWindow(const std::vector<float>& samples, int32_t first, int32_t end) {
    SliceWindow window;
    window.first = first;
    window.end = end;
    EXPECT_TRUE(window.FitBaseline(samples));
    return window;
}

Channel ChannelOf(double value1, double value2, std::vector<float> samples) {
    return MakeAssay(value1, value2, std::move(samples)).channels[0];
}

// Slices at 9, 10 and 11 min with heights 0, 1, 1. With M = a at 10 min and a*q at 11 min,
// Mw = a (1 + q) / 2 and Mn = 2 a q / (1 + q), so Mw/Mn = (1 + q)^2 / (4 q): 1.125 for q = 1/2. Mw = 750
// gives a = 1000, so lg M = 3 - lg 2 * (T - 10).
TEST(BroadStandardFit, TwoEqualSlicesGiveTheWorkedLine) {
    const Channel channel = ChannelOf(9.0, 1.0, {0, 1, 1, 0});
    const BroadStandardFit fit = FitBroadStandard(channel, FittedWindow(channel.samples, 0, 3), 2000.0 / 3, 750.0);
    ASSERT_TRUE(fit.status);
    EXPECT_NEAR(fit.line.k1, -std::log10(2.0), 1e-12);
    EXPECT_NEAR(fit.line.k0, 3.0 + 10.0 * std::log10(2.0), 1e-11);
}

struct EndsCase {
    const char* name;
    std::vector<float> samples;
    double value2;
    double mn;
    double mw;
};

std::ostream& operator<<(std::ostream& out, const EndsCase& c) { return out << c.name; }

class BroadStandardEnds : public testing::TestWithParam<EndsCase> {};

// Hostile chromatograms: the search ends with a falling line that carries the known averages, or refuses.
TEST_P(BroadStandardEnds, WithAFallingLineOrARefusal) {
    const EndsCase& c = GetParam();
    const Channel channel = ChannelOf(0.0, c.value2, c.samples);
    const BroadStandardFit fit = FitBroadStandard(
        channel, FittedWindow(channel.samples, 0, static_cast<int32_t>(c.samples.size()) - 1), c.mn, c.mw);
    if (!fit.status) {
        EXPECT_EQ(fit.status.message.id, MessageId::BroadStandardRatioUnreachable);
        return;
    }
    EXPECT_LT(fit.line.k1, 0.0);
    EXPECT_TRUE(std::isfinite(fit.line.k0));
}

INSTANTIATE_TEST_SUITE_P(Cases, BroadStandardEnds,
                         testing::Values(EndsCase{"NaNSample", {0, std::nanf(""), 1, 0}, 0.1, 1000.0, 1500.0},
                                         EndsCase{"InfiniteSample", {0, INFINITY, 1, 0}, 0.1, 1000.0, 1500.0},
                                         EndsCase{"BelowTheBaseline", {0, 2, -1, 0}, 0.1, 1000.0, 1500.0},
                                         EndsCase{"HugeStep", {0, 1, 2, 0}, 1e300, 1000.0, 1500.0},
                                         EndsCase{"NegativeStep", {0, 1, 2, 0}, -0.1, 1000.0, 1500.0},
                                         EndsCase{"OneSlice", {0, 1}, 0.1, 1000.0, 1500.0},
                                         EndsCase{"RatioJustAboveOne", {0, 1, 2, 0}, 0.1, 1000.0, 1000.0 + 1e-9},
                                         EndsCase{"HugeRatio", {0, 1, 2, 0}, 0.1, 1.0, 1e300}),
                         [](const testing::TestParamInfo<EndsCase>& info) { return std::string(info.param.name); });

// The line lg M = 10.5 - 0.4 T; a broad polystyrene of mean lg M 5 (deviation 0.3) as the standard and
// a sample of mean lg M 4.2 (deviation 0.2) after it.
constexpr double kK0 = 10.5;
constexpr double kK1 = -0.4;
const LogNormal kBroadStandard{5.0, 0.3};
const LogNormal kSample{4.2, 0.2};

Assay RunOf(const LogNormal& polymer, bool isCalibration) {
    Assay assay = NormalPeakAssay(polymer, (kK0 - polymer.meanLgM) / -kK1, -kK1);
    assay.isCalibration = isCalibration;
    return assay;
}

CalibrationStandards KnownAverages(std::optional<double> mn, std::optional<double> mw) {
    return {std::nullopt, std::nullopt, mn, mw};
}

TEST(BroadStandardCalibration, ReturnsTheLineAndTheSamplesAverages) {
    CCalibration calibration;
    const std::vector<Assay> assays = {RunOf(kSample, false), RunOf(kBroadStandard, true), RunOf(kSample, false)};
    calibration.SetInputs(1.0, 0.0, CCalibration::kPolydisperse, 2, 0, assays, {},
                          KnownAverages(kBroadStandard.Mn(), kBroadStandard.Mw()));
    const CalculationStatus status = calibration.Run();
    ASSERT_TRUE(status.calibration) << status.calibration.Description();
    const CalibrationResults& r = calibration.results;
    EXPECT_NEAR(r.k0, kK0, 1e-4 * kK0);
    EXPECT_NEAR(r.k1, kK1, 1e-4 * -kK1);
    EXPECT_EQ(r.k2, 0.0);
    EXPECT_EQ(r.k3, 0.0);
    EXPECT_TRUE(calibration.calPoints.empty());
    EXPECT_TRUE(calibration.pointX.empty());
    EXPECT_EQ(status.assays, std::vector<AssayOutcome>(3, AssayOutcome::Calculated));

    ASSERT_EQ(calibration.assayResults.size(), 3u);
    const MolarMassAverages& standard = calibration.assayResults[1].averages;
    EXPECT_NEAR(standard.Mn, kBroadStandard.Mn(), 1e-6 * kBroadStandard.Mn()) << "the standard's own averages";
    EXPECT_NEAR(standard.Mw, kBroadStandard.Mw(), 1e-6 * kBroadStandard.Mw());
    for (size_t sample : {0u, 2u}) {
        const MolarMassAverages& a = calibration.assayResults[sample].averages;
        EXPECT_NEAR(a.Mn, kSample.Mn(), 0.005 * kSample.Mn()) << sample;
        EXPECT_NEAR(a.Mw, kSample.Mw(), 0.005 * kSample.Mw()) << sample;
    }
    EXPECT_EQ(r.Mn, calibration.assayResults[2].averages.Mn);

    // The line is drawn over the standard's slices, six deviations (0.75 min) around 13.75 min.
    ASSERT_FALSE(calibration.curveX.empty());
    EXPECT_NEAR(calibration.curveX.front(), 13.75 - 4.5, 0.02);
    EXPECT_NEAR(calibration.curveX.back(), 13.75 + 4.5, 0.5);
    EXPECT_NEAR(calibration.curveY.front(), kK0 + kK1 * calibration.curveX.front(), 1e-3);
    EXPECT_EQ(calibration.fitQuality.degree, 1);
}

// A dip below the baseline near the first slice weighs 10^15 times its height under the steepest slopes
// and bends the dispersity there; the search must still find the slope the chromatogram's body gives.
TEST(BroadStandardCalibration, DipAtTheEdgeDoesNotMisleadTheSearch) {
    Assay standard = RunOf(kBroadStandard, true);
    std::vector<float> samples = standard.channels[0].samples;
    samples[101] = -1.0f;
    standard.channels[0].samples = samples;
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kPolydisperse, 0, 0, {standard}, {},
                          KnownAverages(kBroadStandard.Mn(), kBroadStandard.Mw()));
    ASSERT_TRUE(calibration.Run().calibration);
    EXPECT_NEAR(calibration.results.k1, kK1, 1e-3 * -kK1);
}

struct RefusalCase {
    const char* name;
    std::vector<Assay> assays;
    CalibrationStandards standards;
    MessageId message;
    std::string argument;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.name; }

class BroadStandardRefusal : public testing::TestWithParam<RefusalCase> {};

// A refusal leaves nothing that could pass for a result, whatever an earlier run left.
TEST_P(BroadStandardRefusal, SaysWhyAndCalculatesNothing) {
    const RefusalCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kPolydisperse, 0, 0,
                          {RunOf(kBroadStandard, true), RunOf(kSample, false)}, {},
                          KnownAverages(kBroadStandard.Mn(), kBroadStandard.Mw()));
    calibration.Run();
    ASSERT_FALSE(calibration.curveX.empty());

    calibration.SetInputs(1.0, 0.0, CCalibration::kPolydisperse, 0, 0, c.assays, {}, c.standards);
    const CalculationStatus status = calibration.Run();
    ASSERT_FALSE(status.calibration);
    EXPECT_EQ(status.calibration.message.id, c.message);
    EXPECT_EQ(status.calibration.message.argument, c.argument);
    EXPECT_EQ(std::count(status.assays.begin(), status.assays.end(), AssayOutcome::Calculated), 0);
    const CalibrationResults& r = calibration.results;
    for (double value : {r.Mn, r.Mw, r.MwMn, r.Mz, r.Mz1, r.Mp, r.k0, r.k1, r.k2, r.k3}) EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(calibration.assayResults.empty());
    EXPECT_TRUE(calibration.curveX.empty());
    EXPECT_EQ(calibration.fitQuality.degree, -1);
}

Assay WithoutPeaks(Assay assay) {
    assay.peaks.clear();
    return assay;
}

const std::vector<Assay> kStandardAndSample = {RunOf(kBroadStandard, true), RunOf(kSample, false)};
const double kMn = kBroadStandard.Mn();
const double kMw = kBroadStandard.Mw();

INSTANTIATE_TEST_SUITE_P(
    Cases, BroadStandardRefusal,
    testing::Values(RefusalCase{"DispersityOne", kStandardAndSample, KnownAverages(kMw, kMw),
                                MessageId::BroadStandardRatioUnreachable, "1"},
                    RefusalCase{"DispersityBelowOne", kStandardAndSample, KnownAverages(kMw, kMn),
                                MessageId::BroadStandardRatioUnreachable, "0.620537"},
                    // Beyond 30 decades of M over the standard's 9 minutes.
                    RefusalCase{"DispersityBeyondTheSteepestSlope", kStandardAndSample, KnownAverages(1.0, 1e20),
                                MessageId::BroadStandardRatioUnreachable, "1e+20"},
                    RefusalCase{"NoCalibrationRun",
                                {RunOf(kBroadStandard, false), RunOf(kSample, false)},
                                KnownAverages(kMn, kMw),
                                MessageId::BroadStandardMissing,
                                ""},
                    RefusalCase{"StandardWithoutPeaks",
                                {WithoutPeaks(RunOf(kBroadStandard, true)), RunOf(kBroadStandard, true)},
                                KnownAverages(kMn, kMw),
                                MessageId::BroadStandardMissing,
                                ""},
                    RefusalCase{"MnMissing", kStandardAndSample, KnownAverages(std::nullopt, kMw),
                                MessageId::BroadStandardAveragesMissing, ""},
                    RefusalCase{"MwMissing", kStandardAndSample, KnownAverages(kMn, std::nullopt),
                                MessageId::BroadStandardAveragesMissing, ""},
                    RefusalCase{"NegativeMn", kStandardAndSample, KnownAverages(-kMn, kMw),
                                MessageId::BroadStandardAveragesMissing, ""},
                    RefusalCase{"NaNMw", kStandardAndSample, KnownAverages(kMn, kNaN),
                                MessageId::BroadStandardAveragesMissing, ""}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace
