// How well the calibration fits its points: the statistics on their own, then the calibration's
// statistics, degree and point deviations after a run.
#include "gpc/CCalibration.h"
#include "gpc/FitQuality.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

void ExpectOptional(const std::optional<double>& actual, const std::optional<double>& expected, const char* what,
                    double tolerance = 1e-12) {
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, tolerance) << what;
    }
}

struct MeasureCase {
    const char* name;
    std::vector<double> y;
    std::vector<double> fitted;
    int32_t degree;
    std::optional<double> r2;
    std::optional<double> stdError;
};

std::ostream& operator<<(std::ostream& out, const MeasureCase& c) { return out << c.name; }

class FitStatistics : public testing::TestWithParam<MeasureCase> {};

TEST_P(FitStatistics, AreWorkedOutByHand) {
    const MeasureCase& c = GetParam();
    const FitQuality quality = MeasureFit(c.y, c.fitted, c.degree);
    EXPECT_EQ(quality.degree, c.degree);
    ExpectOptional(quality.r2, c.r2, "r2");
    ExpectOptional(quality.stdError, c.stdError, "stdError");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitStatistics,
    testing::Values(
        // Residuals 0, -0.5, 0.5: SSres 0.5; mean 7/3, SStot 42/9; one degree of freedom.
        MeasureCase{"LineThroughThree", {1.0, 2.0, 4.0}, {1.0, 2.5, 3.5}, 1, 1.0 - 0.5 / (42.0 / 9), std::sqrt(0.5)},
        MeasureCase{"ExactLineThroughTwo", {1.0, 3.0}, {1.0, 3.0}, 1, 1.0, std::nullopt},
        MeasureCase{"QuadraticThroughThree", {1.0, 2.0, 4.0}, {1.0, 2.0, 4.0}, 2, 1.0, std::nullopt},
        // Constant: SStot 0, residuals 1, -1, 0 over two degrees of freedom.
        MeasureCase{"ConstantY", {3.0, 3.0, 3.0}, {2.0, 4.0, 3.0}, 0, std::nullopt, 1.0},
        // The mean of three 0.1 is not 0.1 in binary: SStot must still count as 0.
        MeasureCase{"ConstantYWithRoundedMean", {0.1, 0.1, 0.1}, {0.1, 0.1, 0.1}, 1, std::nullopt, 0.0},
        // The zero polynomial fits nothing, so every point is a degree of freedom.
        MeasureCase{"ZeroPolynomial", {1.0, 3.0}, {0.0, 0.0}, -1, 1.0 - 10.0 / 2.0, std::sqrt(10.0 / 2.0)},
        MeasureCase{"NoPoints", {}, {}, -1, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<MeasureCase>& info) { return std::string(info.param.name); });

// Standards at 10, 11 and 12 min with lg M 3, 2.4 and 2. The least-squares line is Y = 7.9667 - 0.5 T,
// residuals 1/30, -1/15, 1/30: SSres 1/150, SStot 38/75, R^2 = 75/76.
std::vector<TableItem> BentStandards() {
    return {Standard("A", 10.0, 1000.0), Standard("B", 11.0, std::pow(10.0, 2.4)), Standard("C", 12.0, 100.0)};
}

struct CalibrationFitCase {
    const char* name;
    int32_t formulaIndex;
    std::vector<int32_t> flags;
    int32_t degree;
    std::optional<double> r2;
    std::optional<double> stdError;
    std::vector<std::optional<double>> deviations;  // per point, %
};

std::ostream& operator<<(std::ostream& out, const CalibrationFitCase& c) { return out << c.name; }

class CalibrationFit : public testing::TestWithParam<CalibrationFitCase> {};

TEST_P(CalibrationFit, MeasuresTheFinalCalibrationAgainstItsPoints) {
    const CalibrationFitCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, c.formulaIndex, 0,
                          {MakeAssay(0.0, 0.5, {0.0f}, BentStandards())}, c.flags);
    calibration.Run();
    EXPECT_EQ(calibration.fitQuality.degree, c.degree);
    ExpectOptional(calibration.fitQuality.r2, c.r2, "r2");
    ExpectOptional(calibration.fitQuality.stdError, c.stdError, "stdError");
    ASSERT_EQ(calibration.calPoints.size(), c.deviations.size());
    for (size_t j = 0; j < c.deviations.size(); ++j) {
        const CalibrationPoint& point = calibration.calPoints[j];
        // A fit through a point reproduces its lg M to about 1e-12, its M to about 1e-10 %.
        ExpectOptional(point.deviation, c.deviations[j], point.name.c_str(), 1e-8);
        ASSERT_EQ(point.curveMolarMass.has_value(), c.deviations[j].has_value()) << point.name;
        if (point.curveMolarMass) {
            EXPECT_NEAR(*point.curveMolarMass, point.molarMass * (1.0 + *c.deviations[j] / 100.0), 1e-9) << point.name;
        }
    }
}

// The fitted M over the standard's is 10 to the power of the residual's opposite.
const double kLow = (std::pow(10.0, -1.0 / 30) - 1.0) * 100.0;  // -7.38 %
const double kHigh = (std::pow(10.0, 1.0 / 15) - 1.0) * 100.0;  // +16.59 %

INSTANTIATE_TEST_SUITE_P(
    Cases, CalibrationFit,
    testing::Values(
        CalibrationFitCase{"LineThroughThree", 0, {}, 1, 75.0 / 76, std::sqrt(1.0 / 150), {kLow, kHigh, kLow}},
        CalibrationFitCase{"CubicAskedQuadraticFitted", 2, {}, 2, 1.0, std::nullopt, {0.0, 0.0, 0.0}},
        CalibrationFitCase{"UnusedPointHasNoDeviation", 0, {1, 0, 1}, 1, 1.0, std::nullopt, {0.0, std::nullopt, 0.0}},
        CalibrationFitCase{
            "OnePointConstant", 0, {0, 1, 0}, 0, std::nullopt, std::nullopt, {std::nullopt, 0.0, std::nullopt}},
        CalibrationFitCase{
            "NoPointUsed", 0, {0, 0, 0}, -1, std::nullopt, std::nullopt, {std::nullopt, std::nullopt, std::nullopt}}),
    [](const testing::TestParamInfo<CalibrationFitCase>& info) { return std::string(info.param.name); });

TEST(CalibrationFit, BroadStandardLineIsDegreeOneWithoutPoints) {
    Assay standard = MakeAssay(10.0, 0.5, {0, 1, 2, 1, 0}, {}, {RangePeak(10.0, 12.0)});
    standard.isCalibration = true;
    CCalibration calibration;
    calibration.SetInputs(1.0, 1.0, CCalibration::kPolydisperse, 2, 0, {standard}, {},
                          {std::nullopt, std::nullopt, 1000.0, 1100.0});
    ASSERT_TRUE(calibration.Run().calibration);
    EXPECT_EQ(calibration.fitQuality.degree, 1);
    EXPECT_FALSE(calibration.fitQuality.r2);
    EXPECT_FALSE(calibration.fitQuality.stdError);
}

// A run that fits nothing keeps the coefficients, and the statistics that belong to them.
TEST(CalibrationFit, RunWithoutFitKeepsTheStatistics) {
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, {MakeAssay(0.0, 0.5, {0.0f}, BentStandards())},
                          {});
    calibration.Run();
    std::vector<Assay> assays = calibration.Assays;
    assays[0].channels[0].samples = std::vector<float>{};
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 2, 0, assays, {});
    calibration.Run();
    EXPECT_EQ(calibration.fitQuality.degree, 1);
    ExpectOptional(calibration.fitQuality.r2, 75.0 / 76, "r2");
    // The skipped assay still forms its points, but this run's calibration says nothing of them.
    ASSERT_EQ(calibration.calPoints.size(), 3u);
    EXPECT_FALSE(calibration.calPoints[0].curveMolarMass);
    EXPECT_FALSE(calibration.calPoints[0].deviation);
}

}  // namespace
