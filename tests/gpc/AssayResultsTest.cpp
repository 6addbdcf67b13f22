// Each calculated assay's results with the run's final calibration: which assays have them, their
// averages beside those results keeps, the area outside the calibrated times and the distribution.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The worked chromatogram: slices 0, 1, 2, 1 at 10 to 11.5 min over a zero baseline. Under the line
// lg M = 8 - 0.5 T its averages are those of AveragesTest.
Assay Worked(std::vector<TableItem> table = {}, std::vector<Peak> peaks = {RangePeak(10.0, 12.0)}) {
    return MakeAssay(10.0, 0.5, {0, 1, 2, 1, 0}, std::move(table), std::move(peaks));
}

// A standard on the line lg M = 8 - 0.5 T.
TableItem LinePoint(const std::string& name, double time) {
    return Standard(name, time, std::pow(10.0, 8.0 - 0.5 * time));
}

void ExpectWorkedAverages(const MolarMassAverages& a) {
    EXPECT_NEAR(a.Mn, 291.41, 0.005);
    EXPECT_NEAR(a.Mw, 343.16, 0.005);
    EXPECT_NEAR(a.MwMn, 1.18, 0.005);
    EXPECT_NEAR(a.Mz, 399.13, 0.005);
    EXPECT_NEAR(a.Mz1, 450.30, 0.005);
    EXPECT_NEAR(a.Mp, 316.23, 0.005);
}

void ExpectSameAverages(const MolarMassAverages& a, const CalibrationResults& r) {
    EXPECT_EQ(a.Mn, r.Mn);
    EXPECT_EQ(a.Mw, r.Mw);
    EXPECT_EQ(a.MwMn, r.MwMn);
    EXPECT_EQ(a.Mz, r.Mz);
    EXPECT_EQ(a.Mz1, r.Mz1);
    EXPECT_EQ(a.Mp, r.Mp);
}

Assay NotIncluded(Assay assay) {
    assay.included = 0;
    return assay;
}

Assay WithoutSamples(Assay assay) {
    assay.channels[0].samples = std::vector<float>{};
    return assay;
}

struct EntriesCase {
    const char* name;
    std::vector<Assay> assays;
    int32_t type;
    std::vector<int32_t> assayIndexes;  // of the entries, in order
    bool lastIsCalculated;  // the last included assay's entry is the last entry and results holds its averages
};

std::ostream& operator<<(std::ostream& out, const EntriesCase& c) { return out << c.name; }

class AssayResultsEntries : public testing::TestWithParam<EntriesCase> {};

// Every mono-disperse case ends with the line's two standards formed, so every entry has the worked
// averages, however few points stood when its own turn came.
TEST_P(AssayResultsEntries, OnePerCalculatedAssayWithTheFinalCalibration) {
    const EntriesCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, c.type, 0, 0, c.assays, {});
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), c.assayIndexes.size());
    for (size_t e = 0; e < c.assayIndexes.size(); ++e) {
        EXPECT_EQ(calibration.assayResults[e].assayIndex, c.assayIndexes[e]);
        ExpectWorkedAverages(calibration.assayResults[e].averages);
    }
    if (c.lastIsCalculated) {
        ASSERT_FALSE(calibration.assayResults.empty());
        ExpectSameAverages(calibration.assayResults.back().averages, calibration.results);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssayResultsEntries,
    testing::Values(
        // The first sample's turn had one point (M = 1000 everywhere); its entry has the line.
        EntriesCase{"EachSampleBringsOneStandard",
                    {Worked({LinePoint("PS-1000", 10.0)}), Worked({LinePoint("PS-100", 12.0)})},
                    CCalibration::kMonodisperse,
                    {0, 1},
                    true},
        EntriesCase{
            "SkippedAssayBetweenStillBringsItsStandard",
            {Worked({LinePoint("PS-1000", 10.0)}), WithoutSamples(Worked({LinePoint("PS-100", 12.0)})), Worked()},
            CCalibration::kMonodisperse,
            {0, 2},
            true},
        EntriesCase{"AssayNotIncludedBetween",
                    {Worked(LineStandards()), NotIncluded(Worked()), Worked()},
                    CCalibration::kMonodisperse,
                    {0, 2},
                    true},
        EntriesCase{"StandardsWithoutPeaksFirst",
                    {Worked(LineStandards(), {}), Worked()},
                    CCalibration::kMonodisperse,
                    {1},
                    true},
        // No point stood at the sample's turn: it has no averages, so no entry.
        EntriesCase{
            "SampleBeforeAnyStandard", {Worked(), Worked(LineStandards(), {})}, CCalibration::kMonodisperse, {}, false},
        EntriesCase{"LastSlicesOutsideTheSamples",
                    {Worked(LineStandards()), Worked({}, {RangePeak(10.0, 14.0)})},
                    CCalibration::kMonodisperse,
                    {0},
                    false},
        EntriesCase{"BroadStandardHasNoPoints", {Worked()}, CCalibration::kPolydisperse, {}, false}),
    [](const testing::TestParamInfo<EntriesCase>& info) { return std::string(info.param.name); });

struct AskedDistributionsCase {
    const char* name;
    std::vector<int32_t> asked;  // DistributionAssays
    std::vector<bool> built;  // per entry of assayResults (assays 0 and 2)
};

class AssayResultsAskedDistributions : public testing::TestWithParam<AskedDistributionsCase> {};

// Assay 1 is not included, so it is never calculated, asked for or not; the averages are the same
// whichever distributions are built.
TEST_P(AssayResultsAskedDistributions, AreBuiltForTheAssaysAskedForOnly) {
    const AskedDistributionsCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                          {Worked(LineStandards()), NotIncluded(Worked()), Worked()}, {});
    calibration.DistributionAssays = c.asked;
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), c.built.size());
    for (size_t e = 0; e < c.built.size(); ++e) {
        const AssayResults& entry = calibration.assayResults[e];
        ExpectWorkedAverages(entry.averages);
        EXPECT_EQ(entry.distribution.lgM.size(), c.built[e] ? 4u : 0u) << e;
        EXPECT_EQ(entry.distribution.w.size(), entry.distribution.lgM.size()) << e;
        EXPECT_EQ(entry.distribution.cumulative.size(), entry.distribution.lgM.size()) << e;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AssayResultsAskedDistributions,
                         testing::Values(AskedDistributionsCase{"None", {}, {false, false}},
                                         AskedDistributionsCase{"TheLast", {2}, {false, true}},
                                         AskedDistributionsCase{"Both", {2, 0}, {true, true}},
                                         AskedDistributionsCase{"OneNotCalculated", {1}, {false, false}},
                                         AskedDistributionsCase{"BeyondTheAssays", {3, -1}, {false, false}}),
                         [](const testing::TestParamInfo<AskedDistributionsCase>& info) {
                             return std::string(info.param.name);
                         });

// The sample's own standard gave it M = 1000 everywhere; the standards run after it, without peaks,
// fits the line without computing averages. results keeps what the sample's turn computed, and the
// sample's entry has the line's.
TEST(AssayResults, ResultsKeepTheAveragesOfTheirOwnTurn) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                          {Worked({LinePoint("PS-1000", 10.0)}), Worked({LinePoint("PS-100", 12.0)}, {})}, {});
    const CalculationStatus status = calibration.Run();
    EXPECT_EQ(status.assays, (std::vector<AssayOutcome>{AssayOutcome::Calculated, AssayOutcome::NoPeaks}));
    const CalibrationResults& r = calibration.results;
    EXPECT_DOUBLE_EQ(r.k0, 8.0);
    EXPECT_DOUBLE_EQ(r.k1, -0.5);
    for (double m : {r.Mn, r.Mw, r.Mz, r.Mz1, r.Mp}) EXPECT_DOUBLE_EQ(m, 1000.0);
    EXPECT_DOUBLE_EQ(r.MwMn, 1.0);
    ASSERT_EQ(calibration.assayResults.size(), 1u);
    ExpectWorkedAverages(calibration.assayResults[0].averages);
}

// A skipped assay after the last one fitted still forms its points, as it always did, but no fit saw
// them: the calibrated times stay those of the fitted points, and the point is measured against them.
TEST(AssayResults, PointOfATrailingSkippedAssayIsMeasuredButNotFitted) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                          {Worked({LinePoint("a", 10.75), LinePoint("b", 12.0)}),
                           WithoutSamples(Worked({Standard("off", 10.0, 2000.0)}))},
                          {});
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), 1u);
    EXPECT_DOUBLE_EQ(calibration.assayResults[0].outsideRange, 25.0);
    EXPECT_EQ(calibration.pointX.size(), 2u);
    ASSERT_EQ(calibration.calPoints.size(), 3u);
    ASSERT_TRUE(calibration.calPoints[2].deviation);
    EXPECT_NEAR(*calibration.calPoints[2].deviation, -50.0, 1e-9);
}

struct OutsideCase {
    const char* name;
    std::vector<TableItem> standards;
    std::vector<int32_t> flags;
    double outsideRange;  // %
};

std::ostream& operator<<(std::ostream& out, const OutsideCase& c) { return out << c.name; }

class AssayResultsOutsideRange : public testing::TestWithParam<OutsideCase> {};

// Slices at 10, 10.5, 11 and 11.5 min with heights 0, 1, 2, 1 (area 4).
TEST_P(AssayResultsOutsideRange, IsTheAreaOfSlicesBeyondTheUsedPointsTimes) {
    const OutsideCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, {Worked(c.standards)}, c.flags);
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), 1u);
    EXPECT_DOUBLE_EQ(calibration.assayResults[0].outsideRange, c.outsideRange);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssayResultsOutsideRange,
    testing::Values(OutsideCase{"PointsCoverTheSlices", {LinePoint("a", 10.0), LinePoint("b", 12.0)}, {}, 0.0},
                    OutsideCase{"EarlySlicesOutside", {LinePoint("a", 10.75), LinePoint("b", 12.0)}, {}, 25.0},
                    OutsideCase{
                        "SliceOnTheEarliestTimeIsInside", {LinePoint("a", 10.5), LinePoint("b", 12.0)}, {}, 0.0},
                    OutsideCase{"LateSliceOutside", {LinePoint("a", 10.0), LinePoint("b", 11.0)}, {}, 25.0},
                    OutsideCase{"BothEndsOutside", {LinePoint("a", 10.75), LinePoint("b", 11.0)}, {}, 50.0},
                    OutsideCase{"UnusedPointWidensNothing",
                                {LinePoint("u", 9.0), LinePoint("a", 10.75), LinePoint("b", 12.0)},
                                {0, 1, 1},
                                25.0}),
    [](const testing::TestParamInfo<OutsideCase>& info) { return std::string(info.param.name); });

// Heights 0, -1, 2, 1 at 10, 10.5, 11 and 11.5 min: the dip below the baseline is no area, inside or out.
TEST(AssayResultsOutsideRangeShare, CountsOnlyTheAreaAboveTheBaseline) {
    const auto outside = [](std::vector<TableItem> standards) {
        CCalibration calibration;
        calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                              {MakeAssay(10.0, 0.5, {0, -1, 2, 1, 0}, std::move(standards), {RangePeak(10.0, 12.0)})},
                              {});
        calibration.Run();
        EXPECT_EQ(calibration.assayResults.size(), 1u);
        return calibration.assayResults.empty() ? -1.0 : calibration.assayResults[0].outsideRange;
    };
    EXPECT_DOUBLE_EQ(outside({LinePoint("a", 10.75), LinePoint("b", 12.0)}), 0.0) << "never below 0";
    EXPECT_DOUBLE_EQ(outside({LinePoint("a", 10.0), LinePoint("b", 11.0)}), 100.0 / 3.0);
}

struct DistributionRunCase {
    const char* name;
    int32_t type;
    double K;
    double Alpha;
    int32_t formulaIndex;
    std::vector<TableItem> standards;
    std::vector<double> lgM;
    std::vector<double> w;
    std::vector<double> cumulative;
};

std::ostream& operator<<(std::ostream& out, const DistributionRunCase& c) { return out << c.name; }

class AssayResultsDistribution : public testing::TestWithParam<DistributionRunCase> {};

// Asked for before the run, or completed after a run that did not build it: the same distribution.
TEST_P(AssayResultsDistribution, ComesFromTheSlicesOfTheAverages) {
    const DistributionRunCase& c = GetParam();
    for (const bool askedBeforeTheRun : {true, false}) {
        SCOPED_TRACE(askedBeforeTheRun ? "asked before the run" : "completed after it");
        CCalibration calibration;
        calibration.SetInputs(c.K, c.Alpha, c.type, c.formulaIndex, 0, {Worked(c.standards)}, {});
        if (askedBeforeTheRun) calibration.DistributionAssays = {0};
        calibration.Run();
        ASSERT_EQ(calibration.assayResults.size(), 1u);
        if (!askedBeforeTheRun) calibration.CompleteDistribution(0);
        const MolarMassDistribution& d = calibration.assayResults[0].distribution;
        ASSERT_EQ(d.lgM.size(), c.lgM.size());
        ASSERT_EQ(d.w.size(), c.lgM.size());
        ASSERT_EQ(d.cumulative.size(), c.lgM.size());
        for (size_t i = 0; i < c.lgM.size(); ++i) {
            EXPECT_NEAR(d.lgM[i], c.lgM[i], 1e-9) << i;
            EXPECT_NEAR(d.w[i], c.w[i], 1e-9) << i;
            EXPECT_NEAR(d.cumulative[i], c.cumulative[i], 1e-9) << i;
        }
    }
}

// lg M = 4 - u + 0.2 u^2 with u = T - 10, through standards at 10, 11 and 12 min.
std::vector<TableItem> CurvedStandards() {
    return {Standard("A", 10.0, 1e4), Standard("B", 11.0, std::pow(10.0, 3.2)),
            Standard("C", 12.0, std::pow(10.0, 2.8))};
}

// Line: lg M 3 to 2.25, w before normalising 0, 2, 4, 2 (area 1.75). Curve: lg M 4, 3.55, 3.2, 2.95 with
// slopes -1, -0.8, -0.6, -0.4, w before normalising 0, 1.25, 10/3, 2.5 (area 29/16). The universal rows
// give the same lg M from their own Y: their K and Alpha cancel.
const std::vector<double> kLineLgM = {2.25, 2.5, 2.75, 3.0};
const std::vector<double> kLineW = {8.0 / 7, 16.0 / 7, 8.0 / 7, 0.0};
const std::vector<double> kLineCumulative = {0.0, 3.0 / 7, 6.0 / 7, 1.0};
const std::vector<double> kCurveLgM = {2.95, 3.2, 3.55, 4.0};
const std::vector<double> kCurveW = {40.0 / 29, 160.0 / 87, 20.0 / 29, 0.0};
const std::vector<double> kCurveCumulative = {0.0, 35.0 / 87, 49.0 / 58, 1.0};

INSTANTIATE_TEST_SUITE_P(
    Cases, AssayResultsDistribution,
    testing::Values(DistributionRunCase{"LineMonodisperse", CCalibration::kMonodisperse, 1.0, 0.0, 0, LineStandards(),
                                        kLineLgM, kLineW, kLineCumulative},
                    DistributionRunCase{"LineUniversal", CCalibration::kUniversal, 2.0, 1.0, 0, LineStandards(),
                                        kLineLgM, kLineW, kLineCumulative},
                    DistributionRunCase{"CurveMonodisperse", CCalibration::kMonodisperse, 1.0, 0.0, 1,
                                        CurvedStandards(), kCurveLgM, kCurveW, kCurveCumulative},
                    DistributionRunCase{"CurveUniversal", CCalibration::kUniversal, 1.4e-4, 0.7, 1, CurvedStandards(),
                                        kCurveLgM, kCurveW, kCurveCumulative}),
    [](const testing::TestParamInfo<DistributionRunCase>& info) { return std::string(info.param.name); });

// A log-normal sample under lg M = 9 - 0.5 T: weights normal in lg M (mean 3.5, deviation 0.25), so the
// chromatogram is normal in T (mean 11 min, deviation 0.5 min). With s = 0.25 ln 10,
// Mw = 10^3.5 exp(s^2/2) and Mn = 10^3.5 exp(-s^2/2).
class LogNormalSample : public testing::Test {
protected:
    static constexpr double kMeanLgM = 3.5;
    static constexpr double kDeviationLgM = 0.25;

    // Samples 0.01 min apart over 7 to 15 min, sliced over 8 to 14 min (six deviations each side).
    const AssayResults& Calculate(double earliestStandard, double latestStandard) {
        std::vector<float> samples;
        for (int i = 0; i <= 800; ++i) {
            const double z = (7.0 + i * 0.01 - 11.0) / 0.5;
            samples.push_back(static_cast<float>(1000.0 * std::exp(-0.5 * z * z)));
        }
        const auto standard = [](const char* name, double t) {
            return Standard(name, t, std::pow(10.0, 9.0 - 0.5 * t));
        };
        calibration.SetInputs(
            1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
            {MakeAssay(7.0, 0.01, samples, {standard("early", earliestStandard), standard("late", latestStandard)},
                       {RangePeak(8.0, 14.0)})},
            {});
        calibration.DistributionAssays = {0};
        calibration.Run();
        EXPECT_EQ(calibration.assayResults.size(), 1u);
        return calibration.assayResults.at(0);
    }

    static double Spread() {
        const double s = kDeviationLgM * std::numbers::ln10;
        return std::exp(s * s / 2.0);
    }

    // Trapezoid integral of f(lg M) * w over the distribution.
    template <typename F>
    static double Integral(const MolarMassDistribution& d, F f) {
        double sum = 0.0;
        for (size_t i = 1; i < d.lgM.size(); ++i)
            sum += (d.lgM[i] - d.lgM[i - 1]) * (f(d.lgM[i]) * d.w[i] + f(d.lgM[i - 1]) * d.w[i - 1]) / 2.0;
        return sum;
    }

    CCalibration calibration;
};

TEST_F(LogNormalSample, AveragesAndDistributionAgreeWithTheKnownOnes) {
    const AssayResults& sample = Calculate(7.5, 14.5);
    const double mw = std::pow(10.0, kMeanLgM) * Spread();
    const double mn = std::pow(10.0, kMeanLgM) / Spread();
    EXPECT_NEAR(sample.averages.Mw, mw, 0.005 * mw);
    EXPECT_NEAR(sample.averages.Mn, mn, 0.005 * mn);

    const MolarMassDistribution& d = sample.distribution;
    ASSERT_EQ(d.lgM.size(), 600u);
    const double mwOfDistribution = Integral(d, [](double lgM) { return std::pow(10.0, lgM); });
    const double mnOfDistribution = 1.0 / Integral(d, [](double lgM) { return std::pow(10.0, -lgM); });
    EXPECT_NEAR(mwOfDistribution, sample.averages.Mw, 0.005 * sample.averages.Mw);
    EXPECT_NEAR(mnOfDistribution, sample.averages.Mn, 0.005 * sample.averages.Mn);
    // Half the weight lies below the mean lg M.
    const size_t middle = static_cast<size_t>(std::lower_bound(d.lgM.begin(), d.lgM.end(), kMeanLgM) - d.lgM.begin());
    EXPECT_NEAR(d.cumulative[middle], 0.5, 0.01);
    EXPECT_EQ(sample.outsideRange, 0.0);
}

// Standards at 10 and 12 min bound one deviation of T either side: 4.55 % of a normal area lies beyond
// two deviations. The slices on 10 and 12 min count whole as inside, where the integral takes half of
// each: 0.11 % of the area at each end (0.01 min of a normal density 0.054 per deviation, 0.5 min).
TEST_F(LogNormalSample, AreaBeyondTwoDeviationsLiesOutsideTheStandards) {
    const AssayResults& sample = Calculate(10.0, 12.0);
    EXPECT_NEAR(sample.outsideRange, 100.0 * std::erfc(2.0 / std::numbers::sqrt2), 0.25);
}

}  // namespace
