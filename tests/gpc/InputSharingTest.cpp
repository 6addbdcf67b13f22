// The calibration's inputs share the workbench's sample arrays instead of copying them, and an edit of
// the workbench's assays after SetInputs never reaches them.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A triangle of slices samples under the line's standards, over [10, 12] minutes.
Assay TriangleAssay(int slices) {
    std::vector<float> samples(static_cast<size_t>(slices) + 1);
    for (int i = 0; i <= slices; ++i) samples[i] = static_cast<float>(std::min(i, slices - i));
    Assay assay = MakeAssay(10.0, 2.0 / slices, std::move(samples), LineStandards(), {RangePeak(10.0, 12.0)});
    assay.signals.push_back(assay.channels[0].samples);
    return assay;
}

}  // namespace

TEST(CalibrationInputs, ShareTheSampleArrays) {
    const std::vector<Assay> assays = {TriangleAssay(1000), TriangleAssay(10)};
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, assays, {});
    for (size_t i = 0; i < assays.size(); ++i) {
        EXPECT_TRUE(calibration.Assays[i].channels[0].samples.SharesValuesWith(assays[i].channels[0].samples));
        EXPECT_TRUE(calibration.Assays[i].signals[0].SharesValuesWith(assays[i].signals[0]));
    }
}

TEST(CalibrationInputs, AnEditAfterTheRunChangesNeitherInputsNorResults) {
    std::vector<Assay> assays = {TriangleAssay(200)};
    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 0, 0, assays, {});
    calibration.Run();
    const double mn = calibration.results.Mn;
    const double mw = calibration.results.Mw;
    ASSERT_GT(mn, 0.0);
    const std::vector<float> samples = calibration.Assays[0].channels[0].samples;
    const std::vector<double> signal = calibration.Assays[0].signals[0].Values();

    for (float& sample : assays[0].channels[0].samples.Edit()) sample *= 3.0f;
    assays[0].signals[0] = SampleBuffer<float>(std::vector<float>(3, -1.0f));
    assays[0].channels[0].table[0].molarMass = 5.0;

    EXPECT_EQ(calibration.Assays[0].channels[0].samples, samples);
    EXPECT_EQ(calibration.Assays[0].signals[0], signal);
    EXPECT_EQ(calibration.Assays[0].channels[0].table[0].molarMass, 1000.0);
    const CalculationStatus status = calibration.Run();
    EXPECT_EQ(calibration.results.Mn, mn);
    EXPECT_EQ(calibration.results.Mw, mw);
    EXPECT_EQ(status.assays, std::vector<AssayOutcome>{AssayOutcome::Calculated});
}
