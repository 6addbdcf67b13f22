// The slice loops must not allocate: a run over a long chromatogram allocates exactly as often as a
// run over a short one.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"
#include "CountingAllocator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

struct AllocationCase {
    const char* name;
    int32_t type;
    double K;
    double Alpha;
};

// Allocations made by Run over a triangle of slices samples with the line's standards.
long AllocationsOfRun(const AllocationCase& c, int slices) {
    std::vector<float> samples(static_cast<size_t>(slices) + 1, 0.0f);
    for (int i = 0; i <= slices; ++i) samples[i] = static_cast<float>(std::min(i, slices - i));
    const double value2 = 2.0 / slices;
    Assay assay = MakeAssay(10.0, value2, samples, LineStandards(), {RangePeak(10.0, 10.0 + slices * value2)});
    assay.isCalibration = true;  // the broad standard, of known Mn and Mw
    CCalibration calibration;
    calibration.SetInputs(c.K, c.Alpha, c.type, 1, 0, {assay}, {}, {std::nullopt, std::nullopt, 1000.0, 1100.0});
    const long before = AllocationCount();
    const CalculationStatus status = calibration.Run();
    const long made = AllocationCount() - before;
    EXPECT_TRUE(status);
    EXPECT_TRUE(status.calibration);
    return made;
}

class SliceLoops : public testing::TestWithParam<AllocationCase> {};

TEST_P(SliceLoops, AllocateNothingPerSlice) {
    EXPECT_EQ(AllocationsOfRun(GetParam(), 100000), AllocationsOfRun(GetParam(), 10));
}

INSTANTIATE_TEST_SUITE_P(Cases, SliceLoops,
                         testing::Values(AllocationCase{"Averages", CCalibration::kMonodisperse, 1.0, 0.0},
                                         AllocationCase{"BroadStandardSearch", CCalibration::kPolydisperse, 1.0, 1.0}),
                         [](const testing::TestParamInfo<AllocationCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
