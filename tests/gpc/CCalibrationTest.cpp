// Calibration run: point forming, the degree rule, the coefficients, the conversion to molar mass and
// the sampled curve.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// lg M = 6 - 0.3 T + 0.02 T^2 - 0.001 T^3, a cubic calibration over 5 to 10 min.
double CubicY(double t) { return 6.0 - 0.3 * t + 0.02 * t * t - 0.001 * t * t * t; }

// Two included assays with three standards each on the cubic, at 5 to 10 min.
std::vector<Assay> CubicAssays() {
    std::vector<Assay> assays;
    for (int a = 0; a < 2; ++a) {
        std::vector<TableItem> table;
        for (int p = 0; p < 3; ++p) {
            const double t = 5.0 + a * 3 + p;
            table.push_back(Standard("S" + std::to_string(a * 3 + p), t, std::pow(10.0, CubicY(t))));
        }
        assays.push_back(MakeAssay(0.0, 0.5, {0.0f, 0.0f}, table));
    }
    return assays;
}

double FittedY(const CCalibration& calibration, double t) {
    const CalibrationResults& c = calibration.results;
    return c.k3 * t * t * t + c.k2 * t * t + c.k1 * t + c.k0;
}

struct TwoPointCase {
    const char* name;
    int32_t type;
    double K;
    double Alpha;
    double k0;
    double k1;
};

class CalibrationTwoPoints : public testing::TestWithParam<TwoPointCase> {};

// Molar masses 1000 at 10 min and 100 at 12 min, linear: every row gives M(11) = 10^2.5.
TEST_P(CalibrationTwoPoints, FitsLineAndConvertsBack) {
    const TwoPointCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(c.K, c.Alpha, c.type, 0, 0, {MakeAssay(0.0, 0.5, {0.0f}, LineStandards())}, {});
    calibration.Run();
    EXPECT_NEAR(calibration.results.k0, c.k0, 1e-12);
    EXPECT_NEAR(calibration.results.k1, c.k1, 1e-12);
    EXPECT_EQ(calibration.results.k2, 0.0);
    EXPECT_EQ(calibration.results.k3, 0.0);
    EXPECT_NEAR(calibration.MolarMassAt(11.0), 316.227766, 1e-6);
    EXPECT_EQ(calibration.pointX, (std::vector<double>{10.0, 12.0}));
    ASSERT_EQ(calibration.pointY.size(), 2u);
    EXPECT_NEAR(calibration.pointY[0], c.k0 + 10.0 * c.k1, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalibrationTwoPoints,
    testing::Values(TwoPointCase{"MonodisperseConventional", CCalibration::kMonodisperse, 1.0, 0.0, 8.0, -0.5},
                    // The sample's Mark-Houwink constants must not bend a conventional calibration.
                    TwoPointCase{"MonodisperseIgnoresMarkHouwink", CCalibration::kMonodisperse, 1.0, 1.0, 8.0, -0.5},
                    TwoPointCase{"MonodisperseIgnoresOtherConstants", CCalibration::kMonodisperse, 2.5, 0.7, 8.0, -0.5},
                    TwoPointCase{"UniversalCancelsOwnConstants", CCalibration::kUniversal, 1.0, 1.0, 16.0, -1.0},
                    TwoPointCase{"UniversalWithK2Alpha05", CCalibration::kUniversal, 2.0, 0.5, 12.0 + std::log10(2.0),
                                 -0.75}),
    [](const testing::TestParamInfo<TwoPointCase>& info) { return std::string(info.param.name); });

struct DegreeCase {
    const char* name;
    int32_t formulaIndex;
    std::vector<int32_t> flags;
    int expectedDegree;  // -1: the zero polynomial
    bool exact;  // the fit passes through every used point (cubic data, or no more points than unknowns)
};

class CalibrationDegree : public testing::TestWithParam<DegreeCase> {};

TEST_P(CalibrationDegree, FollowsDependenceAndUsedPoints) {
    const DegreeCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, c.formulaIndex, 0, CubicAssays(), c.flags);
    calibration.Run();

    ASSERT_EQ(calibration.calPoints.size(), 6u);
    const double k[] = {calibration.results.k0, calibration.results.k1, calibration.results.k2, calibration.results.k3};
    for (int d = 0; d < 4; ++d) {
        if (d > c.expectedDegree)
            EXPECT_EQ(k[d], 0.0) << "k" << d;
        else
            EXPECT_NE(k[d], 0.0) << "k" << d;
    }
    size_t used = 0;
    for (const CalibrationPoint& p : calibration.calPoints) {
        if (p.used == 0) continue;
        ++used;
        if (c.exact) {
            EXPECT_NEAR(FittedY(calibration, p.time), std::log10(p.fitMolarMass), 1e-6) << p.name;
        }
    }
    EXPECT_EQ(calibration.pointX.size(), used);
}

INSTANTIATE_TEST_SUITE_P(Cases, CalibrationDegree,
                         testing::Values(DegreeCase{"SixPointsCubic", 2, {}, 3, true},
                                         DegreeCase{"ThreeLeftQuadratic", 2, {1, 0, 1, 0, 1, 0}, 2, true},
                                         DegreeCase{"TwoLeftLine", 2, {0, 0, 1, 0, 0, 1}, 1, true},
                                         DegreeCase{"OneLeftConstant", 2, {0, 0, 0, 1, 0, 0}, 0, true},
                                         DegreeCase{"NoneLeftZero", 2, {0, 0, 0, 0, 0, 0}, -1, true},
                                         DegreeCase{"QuadraticDependence", 1, {}, 2, false},
                                         DegreeCase{"ShortFlagsMeanUsed", 2, {0, 0, 0, 0}, 1, true},
                                         DegreeCase{"HugeDependenceLimitedByPoints", 50, {1, 0, 1, 0, 1, 0}, 2, true},
                                         DegreeCase{"LowestDependenceZero", INT_MIN, {}, -1, false}),
                         [](const testing::TestParamInfo<DegreeCase>& info) { return std::string(info.param.name); });

TEST(Calibration, NoDependenceGivesMeanY) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, -1, 0, {MakeAssay(0.0, 0.5, {0.0f}, LineStandards())},
                          {});
    calibration.Run();
    EXPECT_NEAR(calibration.results.k0, 2.5, 1e-12);
    EXPECT_EQ(calibration.results.k1, 0.0);
    EXPECT_EQ(calibration.usedFormulaIndex, -1);
}

TEST(Calibration, PointsAccumulateOverAssaysWithFlagsAndOrigin) {
    CCalibration calibration;
    std::vector<Assay> assays = CubicAssays();
    assays.insert(assays.begin() + 1, MakeAssay(0.0, 0.5, {0.0f}, {Standard("X", 7.0, 500.0)}));
    assays[1].included = 0;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 2, 0, assays, {1, 0});
    calibration.Run();
    ASSERT_EQ(calibration.calPoints.size(), 6u);
    const CalibrationPoint& first = calibration.calPoints[0];
    EXPECT_EQ(first.name, "S0");
    EXPECT_EQ(first.componentText, "S0 standard");
    EXPECT_EQ(first.molarMass, first.fitMolarMass);
    EXPECT_EQ(first.K, 1.0);
    EXPECT_EQ(first.Alpha, 0.0);
    EXPECT_EQ(first.assayIndex, 0);
    EXPECT_EQ(calibration.calPoints[1].used, 0);
    EXPECT_EQ(calibration.calPoints[2].used, 1);
    EXPECT_EQ(calibration.calPoints[5].assayIndex, 2);
}

TEST(Calibration, UnusedPointIsListedButNeitherPlottedNorInRange) {
    CCalibration calibration;
    std::vector<TableItem> table = LineStandards();
    table.push_back(Standard("late", 20.0, 10.0));
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, {MakeAssay(0.0, 0.5, {0.0f}, table)}, {1, 1, 0});
    calibration.Run();
    EXPECT_EQ(calibration.calPoints.size(), 3u);
    EXPECT_EQ(calibration.pointX, (std::vector<double>{10.0, 12.0}));
    ASSERT_FALSE(calibration.curveX.empty());
    EXPECT_EQ(calibration.curveX.front(), 5.0);
    EXPECT_LT(calibration.curveX.back(), static_cast<float>(12.0 * 1.2));
}

TEST(Calibration, CurveRunsFromHalfToOnePointTwoTimesOfPoints) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, {MakeAssay(0.0, 0.5, {0.0f}, LineStandards())},
                          {});
    calibration.Run();
    const float end = static_cast<float>(12.0 * 1.2);
    const float step = (end - 5.0f) / 20;
    ASSERT_EQ(calibration.curveX.size(), calibration.curveY.size());
    ASSERT_GE(calibration.curveX.size(), 20u);
    ASSERT_LE(calibration.curveX.size(), 21u);
    for (size_t i = 0; i < calibration.curveX.size(); ++i) {
        const double x = calibration.curveX[i];
        EXPECT_LT(x, end);
        if (i > 0) {
            EXPECT_EQ(x, calibration.curveX[i - 1] + step);
        }
        EXPECT_NEAR(calibration.curveY[i], 8.0 - 0.5 * x, 1e-12);
    }
    EXPECT_EQ(calibration.curveX.front(), 5.0);
}

struct RefusedItemCase {
    const char* name;
    TableItem item;
};

class CalibrationRefusedItem : public testing::TestWithParam<RefusedItemCase> {};

TEST_P(CalibrationRefusedItem, FormsNoPoint) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, {MakeAssay(0.0, 0.5, {0.0f}, {GetParam().item})},
                          {});
    calibration.Run();
    EXPECT_TRUE(calibration.calPoints.empty());
    EXPECT_TRUE(calibration.pointX.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CalibrationRefusedItem,
                         testing::Values(RefusedItemCase{"EmptyName", Standard("", 10.0, 1000.0)},
                                         RefusedItemCase{"ZeroTime", Standard("A", 0.0, 1000.0)},
                                         RefusedItemCase{"NegativeTime", Standard("A", -1.0, 1000.0)},
                                         RefusedItemCase{"NaNTime", Standard("A", kNaN, 1000.0)},
                                         RefusedItemCase{"ZeroMolarMass", Standard("A", 10.0, 0.0)},
                                         RefusedItemCase{"NegativeMolarMass", Standard("A", 10.0, -5.0)},
                                         RefusedItemCase{"NaNMolarMass", Standard("A", 10.0, kNaN)}),
                         [](const testing::TestParamInfo<RefusedItemCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Calibration, SharedTimeGivesNonFiniteCoefficients) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                          {MakeAssay(0.0, 0.5, {0.0f}, {Standard("A", 10.0, 1000.0), Standard("A", 10.0, 900.0)})}, {});
    calibration.Run();
    EXPECT_FALSE(std::isfinite(calibration.results.k0));
    EXPECT_FALSE(std::isfinite(calibration.results.k1));
    EXPECT_FALSE(std::isfinite(calibration.MolarMassAt(11.0)));
}

// Results of a first run with data, so that a second run's effect on every output shows.
CCalibration& CalibrateLine(CCalibration& calibration) {
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0,
                          {MakeAssay(10.0, 0.5, {0, 1, 2, 1, 0}, LineStandards(), {RangePeak(10.0, 12.0)})}, {});
    calibration.Run();
    return calibration;
}

TEST(Calibration, NothingIncludedLeavesEveryResult) {
    CCalibration calibration;
    CalibrateLine(calibration);
    const double mn = calibration.results.Mn;
    const std::vector<double> curve = calibration.curveY;
    std::vector<Assay> assays = calibration.Assays;
    assays[0].included = 0;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 2, 0, assays, {});
    calibration.Run();
    EXPECT_TRUE(calibration.calPoints.empty());
    EXPECT_EQ(calibration.results.k0, 8.0);
    EXPECT_EQ(calibration.results.Mn, mn);
    EXPECT_EQ(calibration.curveY, curve);
    EXPECT_EQ(calibration.pointX.size(), 2u);
    EXPECT_EQ(calibration.usedFormulaIndex, 0);
}

struct SkippedAssayCase {
    const char* name;
    int32_t channelIndex;
    bool emptySamples;
};

class CalibrationSkippedAssay : public testing::TestWithParam<SkippedAssayCase> {};

// An assay without the selected channel, or with an empty one, keeps the earlier coefficients,
// averages and plot arrays.
TEST_P(CalibrationSkippedAssay, KeepsEarlierResults) {
    const SkippedAssayCase& c = GetParam();
    CCalibration calibration;
    CalibrateLine(calibration);
    const double mn = calibration.results.Mn;
    std::vector<Assay> assays = calibration.Assays;
    if (c.emptySamples) assays[0].channels[0].samples.clear();
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 2, c.channelIndex, assays, {});
    const CalculationStatus status = calibration.Run();
    EXPECT_EQ(calibration.results.k0, 8.0);
    EXPECT_EQ(calibration.results.Mn, mn);
    EXPECT_EQ(calibration.pointX.size(), 2u);
    EXPECT_FALSE(calibration.curveX.empty());
    EXPECT_EQ(calibration.usedFormulaIndex, 2);
    EXPECT_EQ(status.assays, std::vector<AssayOutcome>{AssayOutcome::Skipped});
}

INSTANTIATE_TEST_SUITE_P(Cases, CalibrationSkippedAssay,
                         testing::Values(SkippedAssayCase{"NoChannelSelected", -1, false},
                                         SkippedAssayCase{"ChannelBeyondList", 5, false},
                                         SkippedAssayCase{"EmptySamples", 0, true}),
                         [](const testing::TestParamInfo<SkippedAssayCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Calibration, NoTypeSelectedGivesZeroPolynomialAndZeroAverages) {
    CCalibration calibration;
    CalibrateLine(calibration);
    calibration.SetInputs(1.0, 0.0, -1, 2, 0, calibration.Assays, {});
    calibration.Run();
    EXPECT_TRUE(calibration.calPoints.empty());
    const CalibrationResults& r = calibration.results;
    for (double k : {r.k0, r.k1, r.k2, r.k3}) EXPECT_EQ(k, 0.0);
    for (double m : {r.Mn, r.Mw, r.MwMn, r.Mz, r.Mz1, r.Mp}) EXPECT_EQ(m, 0.0);
    EXPECT_TRUE(calibration.pointX.empty());
    EXPECT_TRUE(calibration.curveX.empty());
    EXPECT_EQ(calibration.usedGradIndex, -1);
}

TEST(Calibration, NewObjectHoldsStartValues) {
    const CCalibration calibration;
    EXPECT_EQ(calibration.K, 1.0);
    EXPECT_EQ(calibration.Alpha, 1.0);
    const CalibrationResults& r = calibration.results;
    for (double v : {r.Mn, r.Mp, r.k0, r.k3}) EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(calibration.Assays.empty());
    EXPECT_TRUE(calibration.curveX.empty());
}

}  // namespace
