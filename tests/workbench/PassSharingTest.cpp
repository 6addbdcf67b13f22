// The recalculation pass hands the calibration the workbench's sample arrays without copying them.
#include "LabData.h"
#include "base/FixedEnvironment.h"
#include "components/Cp1251Codec.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/RecalculationPass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

Assay StandardsRun(int32_t id, double firstTime) {
    Assay assay;
    assay.id = id;
    assay.included = 1;
    for (int32_t number = 1; number <= 2; ++number) {
        assay.channels.push_back(LabChannel(number, 10.0, 0.1, std::vector<float>(101, 1.0f)));
        assay.signals.push_back(assay.channels.back().samples);
    }
    assay.channels[0].table = {LabItem("PS-1", firstTime), LabItem("PS-2", firstTime + 2.0)};
    return assay;
}

}  // namespace

TEST(PassSharing, CalibrationHoldsTheWorkbenchSamplesThemselves) {
    const fs::path folder = FreshTestFolder("quorvel-pass-sharing");
    const FixedEnvironment environment(folder.string(), std::nullopt);
    std::ofstream(folder / kComponentsFileName, std::ios::binary) << Cp1251Codec().FromUtf8(
        "№;Компонент;Имя компонента;Молярная масса\r\n1;PS-1;Полистирол 1;1000.00\r\n2;PS-2;Полистирол 2;100.00\r\n");

    WorkbenchState state;
    state.Alpha = 0.0;
    state.Assays = {StandardsRun(1, 10.0), StandardsRun(2, 10.5)};
    state.Assays[1].included = 0;
    state.PointFlags = RebuildPointFlags(state.Assays, 0);
    const float* samplesBefore = state.Assays[0].channels[1].samples.data();
    RecordingMessageSink messages;
    ComponentsTable components;
    CCalibration calibration;

    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(Recalculate(environment, state, components, calibration, messages).ran);
        ASSERT_EQ(calibration.Assays.size(), state.Assays.size());
        for (size_t i = 0; i < state.Assays.size(); ++i) {
            for (size_t c = 0; c < state.Assays[i].channels.size(); ++c) {
                EXPECT_TRUE(
                    calibration.Assays[i].channels[c].samples.SharesValuesWith(state.Assays[i].channels[c].samples));
                EXPECT_TRUE(calibration.Assays[i].signals[c].SharesValuesWith(state.Assays[i].signals[c]));
            }
        }
    }
    // Writing the molar masses into the tables left the workbench's own samples where they were.
    EXPECT_EQ(state.Assays[0].channels[1].samples.data(), samplesBefore);
    EXPECT_EQ(state.Assays[0].channels[0].table[0].molarMass, 1000.0);
    EXPECT_TRUE(messages.texts.empty());

    fs::remove_all(folder);
}
