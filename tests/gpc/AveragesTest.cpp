// Molecular-weight averages of a sliced chromatogram under the line lg M = 8 - 0.5 T.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

double LineMass(double t) { return std::pow(10.0, 8.0 - 0.5 * t); }

struct Averages {
    double Mn, Mw, MwMn, Mz, Mz1, Mp;
};

Averages AveragesOf(const CCalibration& calibration) {
    const CalibrationResults& c = calibration.results;
    return {c.Mn, c.Mw, c.MwMn, c.Mz, c.Mz1, c.Mp};
}

using Outcomes = std::vector<AssayOutcome>;

void ExpectSame(const Averages& a, const Averages& b) {
    EXPECT_DOUBLE_EQ(a.Mn, b.Mn);
    EXPECT_DOUBLE_EQ(a.Mw, b.Mw);
    EXPECT_DOUBLE_EQ(a.MwMn, b.MwMn);
    EXPECT_DOUBLE_EQ(a.Mz, b.Mz);
    EXPECT_DOUBLE_EQ(a.Mz1, b.Mz1);
    EXPECT_DOUBLE_EQ(a.Mp, b.Mp);
}

// One included assay: the line's standards in its table, samples value2 = 0.5 min apart from 10 min.
struct Pass {
    CCalibration calibration;
    CalculationStatus status;

    Pass(std::vector<float> samples, std::vector<Peak> peaks, double K = 1.0, double Alpha = 0.0,
         int32_t type = CCalibration::kMonodisperse) {
        Calculate({MakeAssay(10.0, 0.5, std::move(samples), LineStandards(), std::move(peaks))}, K, Alpha, type);
    }

    void Calculate(const std::vector<Assay>& assays, double K = 1.0, double Alpha = 0.0,
                   int32_t type = CCalibration::kMonodisperse) {
        // Results of an earlier pass, to tell kept values from written ones.
        CalibrationResults& r = calibration.results;
        r.Mn = r.Mw = r.MwMn = r.Mz = r.Mz1 = r.Mp = 7.0;
        calibration.SetInputs(K, Alpha, type, 0, 0, assays, {});
        status = calibration.Run();
    }
};

struct WorkedCase {
    const char* name;
    double K;
    double Alpha;
};

class AveragesWorkedExample : public testing::TestWithParam<WorkedCase> {};

// Slices 0, 1, 2, 1 at M = 1000, 562.34, 316.23, 177.83 over a zero baseline.
TEST_P(AveragesWorkedExample, GivesPublishedNumbers) {
    Pass run({0, 1, 2, 1, 0}, {RangePeak(10.0, 12.0)}, GetParam().K, GetParam().Alpha);
    const CalibrationResults& c = run.calibration.results;
    EXPECT_NEAR(c.Mn, 291.41, 0.005);
    EXPECT_NEAR(c.Mw, 343.16, 0.005);
    EXPECT_NEAR(c.MwMn, 1.18, 0.005);
    EXPECT_DOUBLE_EQ(c.MwMn, c.Mw / c.Mn);
    EXPECT_NEAR(c.Mz, 399.13, 0.005);
    EXPECT_NEAR(c.Mz1, 450.30, 0.005);
    EXPECT_NEAR(c.Mp, 316.23, 0.005);
    EXPECT_EQ(run.status.assays, Outcomes{AssayOutcome::Calculated});
}

INSTANTIATE_TEST_SUITE_P(Cases, AveragesWorkedExample,
                         testing::Values(WorkedCase{"ConventionalConstants", 1.0, 0.0},
                                         WorkedCase{"WorkbenchStartConstants", 1.0, 1.0}),
                         [](const testing::TestParamInfo<WorkedCase>& info) { return std::string(info.param.name); });

TEST(Averages, TriangleOrdersAveragesAndPeaksAtApex) {
    Pass run({0, 0, 1, 2, 3, 4, 3, 2, 1, 0, 0}, {RangePeak(10.0, 15.0)});
    const CalibrationResults& c = run.calibration.results;
    EXPECT_DOUBLE_EQ(c.Mp, LineMass(10.0 + 5 * 0.5));
    EXPECT_LT(c.Mn, c.Mw);
    EXPECT_LT(c.Mw, c.Mz);
    EXPECT_LT(c.Mz, c.Mz1);
    EXPECT_GT(c.MwMn, 1.0);
    EXPECT_DOUBLE_EQ(c.MwMn, c.Mw / c.Mn);
}

TEST(Averages, SingleSliceGivesItsMolarMassEverywhere) {
    Pass run({0, 5, 0, 0}, {RangePeak(10.0, 11.5)});
    const double m = LineMass(10.5);
    ExpectSame(AveragesOf(run.calibration), {m, m, 1.0, m, m, m});
}

TEST(Averages, AllBelowBaselinePeaksAtFirstSample) {
    Pass run({5, 5, 0, -1, -2, 0}, {RangePeak(11.0, 12.5)});
    EXPECT_DOUBLE_EQ(run.calibration.results.Mp, LineMass(10.0));
    EXPECT_EQ(run.status.assays, Outcomes{AssayOutcome::Calculated});
}

struct SameAsCase {
    const char* name;
    std::vector<float> samples;
    std::vector<Peak> peaks;
};

class AveragesSameAsFlat : public testing::TestWithParam<SameAsCase> {};

// Each row must give the averages of slices 0, 1.5, 3, 1.5 from 10 min over a zero baseline.
TEST_P(AveragesSameAsFlat, GivesFlatResults) {
    Pass flat({0, 1.5f, 3, 1.5f, 0}, {RangePeak(10.0, 12.0)});
    Pass row(GetParam().samples, GetParam().peaks);
    ExpectSame(AveragesOf(row.calibration), AveragesOf(flat.calibration));
}

INSTANTIATE_TEST_SUITE_P(Cases, AveragesSameAsFlat,
                         testing::Values(
                             // Baseline 1 + 0.5 i: the end samples contribute nothing, sample 4 is never summed.
                             SameAsCase{"SlopingBaseline", {1, 3, 5, 4, 3}, {RangePeak(10.0, 12.0)}},
                             SameAsCase{"FrontBeforeFirstSample", {0, 1.5f, 3, 1.5f, 0}, {RangePeak(3.0, 12.0)}},
                             SameAsCase{"FirstFrontAndLastBackCount",
                                        {0, 1.5f, 3, 1.5f, 0},
                                        {RangePeak(10.0, 10.5), RangePeak(10.5, 11.0), RangePeak(11.5, 12.0)}}),
                         [](const testing::TestParamInfo<SameAsCase>& info) { return std::string(info.param.name); });

enum class Outcome { Zero, Kept, NotANumber };

struct FailureCase {
    const char* name;
    std::vector<float> samples;
    std::vector<Peak> peaks;
    int32_t type;
    Outcome outcome;
    AssayOutcome status;  // SlicesOutside is the one failure the caller reports
};

class AveragesFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(AveragesFailure, LeavesResultsAsDocumented) {
    const FailureCase& c = GetParam();
    Pass run(c.samples, c.peaks, 1.0, 0.0, c.type);
    const Averages a = AveragesOf(run.calibration);
    switch (c.outcome) {
    case Outcome::Zero: ExpectSame(a, {0, 0, 0, 0, 0, 0}); break;
    case Outcome::Kept: ExpectSame(a, {7, 7, 7, 7, 7, 7}); break;
    case Outcome::NotANumber:
        for (double v : {a.Mn, a.Mw, a.MwMn, a.Mz, a.Mz1}) EXPECT_TRUE(std::isnan(v));
        EXPECT_DOUBLE_EQ(a.Mp, LineMass(10.0));
        break;
    }
    EXPECT_EQ(run.status.assays, Outcomes{c.status});
    EXPECT_EQ(run.status.AveragesFailures(), c.status == AssayOutcome::SlicesOutside ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AveragesFailure,
    testing::Values(FailureCase{"BackBeyondLastSample",
                                {0, 1, 2, 1, 0},
                                {RangePeak(10.0, 12.5)},
                                0,
                                Outcome::Zero,
                                AssayOutcome::SlicesOutside},
                    FailureCase{"BackFarBeyondInt32",
                                {0, 1, 2, 1, 0},
                                {RangePeak(10.0, 1e300)},
                                0,
                                Outcome::Zero,
                                AssayOutcome::SlicesOutside},
                    FailureCase{"FrontBeyondLastSample",
                                {0, 1, 2, 1, 0},
                                {RangePeak(13.0, 13.0)},
                                0,
                                Outcome::Zero,
                                AssayOutcome::SlicesOutside},
                    FailureCase{"NoDatabasePeaks", {0, 1, 2, 1, 0}, {}, 0, Outcome::Kept, AssayOutcome::NoPeaks},
                    FailureCase{"BroadStandardWithoutCalibrationRun",
                                {0, 1, 2, 1, 0},
                                {RangePeak(10.0, 12.0)},
                                1,
                                Outcome::Zero,
                                AssayOutcome::NoPoints},
                    FailureCase{"BroadStandardBackBeyondSamples",
                                {0, 1, 2, 1, 0},
                                {RangePeak(10.0, 20.0)},
                                1,
                                Outcome::Zero,
                                AssayOutcome::SlicesOutside},
                    FailureCase{"BackBeforeFront",
                                {0, 1, 2, 1, 0},
                                {RangePeak(11.0, 10.5)},
                                0,
                                Outcome::NotANumber,
                                AssayOutcome::Calculated},
                    FailureCase{"FrontEqualsBack",
                                {0, 1, 2, 1, 0},
                                {RangePeak(11.0, 11.0)},
                                0,
                                Outcome::NotANumber,
                                AssayOutcome::Calculated}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

struct UnusablePointsCase {
    const char* name;
    std::vector<TableItem> table;
};

class AveragesWithoutUsablePoints : public testing::TestWithParam<UnusablePointsCase> {};

// Items that form no calibration point leave nothing to convert slices with: the averages are 0.
TEST_P(AveragesWithoutUsablePoints, AreZeroAndSaySo) {
    Pass run({}, {});
    run.Calculate({MakeAssay(10.0, 0.5, {0, 1, 2, 1, 0}, GetParam().table, {RangePeak(10.0, 12.0)})});
    EXPECT_EQ(run.status.assays, Outcomes{AssayOutcome::NoPoints});
    EXPECT_TRUE(run.status);
    ExpectSame(AveragesOf(run.calibration), {0, 0, 0, 0, 0, 0});
}

INSTANTIATE_TEST_SUITE_P(Cases, AveragesWithoutUsablePoints,
                         testing::Values(UnusablePointsCase{"EmptyTable", {}},
                                         UnusablePointsCase{"Unnamed", {Standard("", 10.0, 1000.0)}},
                                         UnusablePointsCase{"NoTime", {Standard("PS-1", 0.0, 1000.0)}},
                                         UnusablePointsCase{"NoMolarMass", {Standard("PS-1", 10.0, std::nan(""))}}),
                         [](const testing::TestParamInfo<UnusablePointsCase>& info) {
                             return std::string(info.param.name);
                         });

// A damaged file's negative sample step maps the last peak's back to a negative index.
TEST(Averages, NegativeSampleStepIsReportedNotRead) {
    Pass run({}, {});
    run.calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                              {MakeAssay(10.0, -0.5, {0, 1, 2, 1, 0}, LineStandards(), {RangePeak(10.0, 12.0)})}, {});
    EXPECT_EQ(run.calibration.Run().assays, Outcomes{AssayOutcome::SlicesOutside});
    ExpectSame(AveragesOf(run.calibration), {0, 0, 0, 0, 0, 0});
}

TEST(Averages, FirstAssayFailsSecondAssayResultsRemain) {
    const Assay broken = MakeAssay(10.0, 0.5, {0, 1, 2, 1, 0}, LineStandards(), {RangePeak(10.0, 14.0)});
    const Assay good = MakeAssay(10.0, 0.5, {0, 0, 1, 3, 1, 0}, {}, {RangePeak(10.0, 12.5)});
    Pass both({}, {});
    both.Calculate({broken, good});
    Pass alone({}, {});
    alone.Calculate({MakeAssay(10.0, 0.5, {0, 0, 1, 3, 1, 0}, LineStandards(), {RangePeak(10.0, 12.5)})});
    EXPECT_EQ(both.status.assays, (Outcomes{AssayOutcome::SlicesOutside, AssayOutcome::Calculated}));
    ExpectSame(AveragesOf(both.calibration), AveragesOf(alone.calibration));
}

}  // namespace
