// The universal calibration with the standards' own Mark-Houwink constants: polystyrene standards give
// a poly(methyl methacrylate) sample its own molar masses.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Polystyrene and poly(methyl methacrylate) in THF: K in dL/g.
constexpr double kPolystyreneK = 1.14e-4;
constexpr double kPolystyreneAlpha = 0.716;
constexpr double kPmmaK = 9.44e-5;
constexpr double kPmmaAlpha = 0.719;

// The column: lg(K * M^(Alpha + 1)) = 12 - 0.5 T for every polymer.
constexpr double kVolumeAt0 = 12.0;
constexpr double kVolumePerMinute = 0.5;

double TimeOfVolume(double lgVolume) { return (kVolumeAt0 - lgVolume) / kVolumePerMinute; }

// Polystyrene standards at 8 to 23 min, each with the molar mass the column puts there.
std::vector<TableItem> PolystyreneStandards() {
    std::vector<TableItem> standards;
    for (double t = 8.0; t <= 23.0; t += 3.0) {
        const double lgM = (kVolumeAt0 - kVolumePerMinute * t - std::log10(kPolystyreneK)) / (kPolystyreneAlpha + 1.0);
        standards.push_back(Standard("PS" + std::to_string(static_cast<int>(t)), t, std::pow(10.0, lgM)));
    }
    return standards;
}

// A PMMA of mean lg M 5 and deviation 0.3, and the same molecules seen as polystyrene of equal volume.
const LogNormal kPmma{5.0, 0.3};
const double kPmmaLgVolume = std::log10(kPmmaK) + (kPmmaAlpha + 1.0) * kPmma.meanLgM;
const LogNormal kPolystyreneEquivalent{(kPmmaLgVolume - std::log10(kPolystyreneK)) / (kPolystyreneAlpha + 1.0),
                                       kPmma.deviationLgM*(kPmmaAlpha + 1.0) / (kPolystyreneAlpha + 1.0)};

Assay PmmaRun() {
    return NormalPeakAssay(kPmma, TimeOfVolume(kPmmaLgVolume), kVolumePerMinute / (kPmmaAlpha + 1.0),
                           PolystyreneStandards());
}

struct UniversalCase {
    const char* name;
    CalibrationStandards standards;
    int32_t formulaIndex;
    LogNormal expected;
    double pointK;  // what the points carry
    double pointAlpha;
};

std::ostream& operator<<(std::ostream& out, const UniversalCase& c) { return out << c.name; }

class UniversalCalibration : public testing::TestWithParam<UniversalCase> {};

TEST_P(UniversalCalibration, GivesTheSampleItsMolarMasses) {
    const UniversalCase& c = GetParam();
    CCalibration calibration;
    calibration.SetInputs(kPmmaK, kPmmaAlpha, CCalibration::kUniversal, c.formulaIndex, 0, {PmmaRun()}, {},
                          c.standards);
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), 1u);
    const MolarMassAverages& a = calibration.assayResults[0].averages;
    EXPECT_NEAR(a.Mn, c.expected.Mn(), 0.005 * c.expected.Mn());
    EXPECT_NEAR(a.Mw, c.expected.Mw(), 0.005 * c.expected.Mw());
    ASSERT_EQ(calibration.calPoints.size(), 6u);
    for (const CalibrationPoint& point : calibration.calPoints) {
        EXPECT_EQ(point.K, c.pointK);
        EXPECT_EQ(point.Alpha, c.pointAlpha);
        ASSERT_TRUE(point.deviation);
        EXPECT_NEAR(*point.deviation, 0.0, 1e-6) << "every standard lies on the calibration";
    }
}

const CalibrationStandards kPolystyrene{kPolystyreneK, kPolystyreneAlpha, std::nullopt, std::nullopt};

INSTANTIATE_TEST_SUITE_P(
    Cases, UniversalCalibration,
    testing::Values(
        UniversalCase{"LinearWithStandardsConstants", kPolystyrene, 0, kPmma, kPolystyreneK, kPolystyreneAlpha},
        UniversalCase{"CubicWithStandardsConstants", kPolystyrene, 2, kPmma, kPolystyreneK, kPolystyreneAlpha},
        // Without them the standards take the sample's constants, which cancel.
        UniversalCase{
            "WithoutStandardsConstantsPolystyreneEquivalent", {}, 0, kPolystyreneEquivalent, kPmmaK, kPmmaAlpha}),
    [](const testing::TestParamInfo<UniversalCase>& info) { return std::string(info.param.name); });

// The standards' constants belong to the universal calibration alone.
TEST(UniversalCalibration, ConventionalCalibrationIgnoresStandardsConstants) {
    CCalibration calibration;
    calibration.SetInputs(kPmmaK, kPmmaAlpha, CCalibration::kMonodisperse, 0, 0, {PmmaRun()}, {}, kPolystyrene);
    calibration.Run();
    ASSERT_EQ(calibration.assayResults.size(), 1u);
    const MolarMassAverages& a = calibration.assayResults[0].averages;
    EXPECT_NEAR(a.Mw, kPolystyreneEquivalent.Mw(), 0.005 * kPolystyreneEquivalent.Mw());
}

}  // namespace
