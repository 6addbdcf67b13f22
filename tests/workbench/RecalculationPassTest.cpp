// The recalculation pass over assays held in memory and a components file in a test folder.
#include "LabData.h"
#include "base/FixedEnvironment.h"
#include "components/Cp1251Codec.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/RecalculationPass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A calibration assay: one channel of a flat signal over 10 to 20 minutes and a peak table of
// named standards.
Assay CalibrationAssay(int32_t id, std::vector<TableItem> table) {
    Assay assay;
    assay.id = id;
    assay.included = 1;
    assay.method = "GPC";
    assay.channels.push_back(LabChannel(1, 10.0, 0.1, std::vector<float>(101, 1.0f)));
    assay.channels[0].table = std::move(table);
    return assay;
}

class RecalculationPassTest : public testing::Test {
protected:
    void SetUp() override {
        folder = FreshTestFolder("quorvel-pass");
        environment.documentsFolder = folder.string();
        WriteComponents("1;PS-1;Полистирол 1;1000.00\r\n2;PS-2;Полистирол 2;100.00\r\n3;PS-3;Полистирол 3;10.00\r\n");
    }
    void TearDown() override { fs::remove_all(folder); }

    void WriteComponents(const std::string& lines) {
        std::ofstream(folder / kComponentsFileName, std::ios::binary)
            << Cp1251Codec().FromUtf8("№;Компонент;Имя компонента;Молярная масса\r\n" + lines);
    }

    PassResult Run() { return Recalculate(environment, state, components, calibration, messages); }

    fs::path folder;
    FixedEnvironment environment{std::nullopt, std::nullopt};
    WorkbenchState state;
    ComponentsTable components;
    RecordingMessageSink messages;
    CCalibration calibration;
};

TEST_F(RecalculationPassTest, RowsNameTheAssayPositionAndComponent) {
    state.K = 1.0;
    state.Alpha = 0.0;
    state.Assays = {CalibrationAssay(10, {}), CalibrationAssay(11, {LabItem("ps-1", 10.0), LabItem("PS-2", 12.0)})};
    state.PointFlags = RebuildPointFlags(state.Assays, 0);
    const PassResult result = Run();
    ASSERT_TRUE(result.ran);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.rows[0].texts, (std::array<std::string, 5>{"2 / Полистирол 1", "10.00", "1000.00", "", ""}));
    EXPECT_EQ(result.rows[1].texts[0], "2 / Полистирол 2");
    EXPECT_TRUE(result.rows[1].used);
    EXPECT_DOUBLE_EQ(state.results.k1, -0.5);
    EXPECT_DOUBLE_EQ(state.results.k0, 8.0);
    ASSERT_TRUE(result.chart.has_value());
    EXPECT_EQ(result.chart->pointX, (std::vector<double>{10.0, 12.0}));
    EXPECT_EQ(state.Assays[1].channels[0].table[0].componentText, "Полистирол 1");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(RecalculationPassTest, UniversalTypeFillsKAndAlphaColumns) {
    state.GradIndex = 2;
    state.K = 0.000141;
    state.Alpha = 0.7;
    state.Assays = {CalibrationAssay(1, {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0)})};
    const PassResult result = Run();
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.rows[0].texts[3], "0.000141");
    EXPECT_EQ(result.rows[0].texts[4], "0.700");
}

TEST_F(RecalculationPassTest, MissingComponentIsReportedOncePerItemAndFormsNoPoint) {
    state.Assays = {CalibrationAssay(
        1, {LabItem("X1", 9.0), LabItem("PS-1", 10.0), LabItem("", 11.0), LabItem("PS-2", 12.0), LabItem("X1", 13.0)})};
    state.Assays[0].channels[0].table[0].molarMass = 5000.0;  // left over from an earlier pass
    state.PointFlags = RebuildPointFlags(state.Assays, 0);
    const PassResult result = Run();
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"В таблице компонентов не найден X1", "В таблице компонентов не найден X1"}));
    const std::vector<TableItem>& table = state.Assays[0].channels[0].table;
    EXPECT_EQ(table[0].concent, 0.0);
    EXPECT_EQ(table[0].molarMass, 0.0);
    EXPECT_EQ(table[2].concent, 0.0);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(calibration.calPoints.size(), 2u);
    EXPECT_EQ(RebuildPointFlags(state.Assays, 0).size(), calibration.calPoints.size());

    messages.texts.clear();
    Run();
    EXPECT_EQ(messages.texts.size(), 2u);
}

TEST_F(RecalculationPassTest, EmptyAssaySetChangesNothing) {
    state.results.Mn = 123.0;
    const PassResult result = Run();
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(state.results.Mn, 123.0);
    EXPECT_TRUE(components.filePath.empty());
}

TEST_F(RecalculationPassTest, NoIncludedAssayEmptiesTheListAndKeepsResultsAndChart) {
    state.Assays = {CalibrationAssay(1, {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0)})};
    const std::optional<ChartData> before = Run().chart;
    ASSERT_TRUE(before.has_value());
    const double mw = state.results.Mw;
    const double k1 = state.results.k1;
    ASSERT_NE(k1, 0.0);
    state.Assays[0].included = 0;
    const PassResult result = Run();
    EXPECT_TRUE(result.ran);
    EXPECT_TRUE(result.rows.empty());
    ASSERT_TRUE(result.chart.has_value());  // the chart keeps showing what it showed
    EXPECT_EQ(result.chart->curveY, before->curveY);
    EXPECT_EQ(result.chart->pointX, before->pointX);
    EXPECT_EQ(state.results.Mw, mw);
    EXPECT_EQ(state.results.k1, k1);
}

TEST_F(RecalculationPassTest, NoDocumentsFolderStopsBeforeAnyChange) {
    environment.documentsFolder.reset();
    state.Assays = {CalibrationAssay(1, {LabItem("X1", 10.0)})};
    const PassResult result = Run();
    EXPECT_FALSE(result.ran);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(state.Assays[0].channels[0].table[0].concent, 1.0);
}

TEST_F(RecalculationPassTest, RefitUsesTheFlagsWithoutReadingTheTable) {
    state.FormulaIndex = 2;
    state.Assays = {CalibrationAssay(1, {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0), LabItem("PS-3", 14.0)})};
    state.PointFlags = RebuildPointFlags(state.Assays, 0);
    ASSERT_EQ(Run().rows.size(), 3u);
    state.PointFlags[2] = 0;
    const PassResult refit = RefitPoints(state, components, calibration, messages);
    ASSERT_EQ(refit.rows.size(), 3u);
    EXPECT_FALSE(refit.rows[2].used);
    const std::optional<ChartData>& chart = refit.chart;
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->pointX, (std::vector<double>{10.0, 12.0}));
    EXPECT_DOUBLE_EQ(state.results.k1, -0.5);  // two used points: a straight line whatever the dependence
    EXPECT_EQ(state.results.k2, 0.0);
    EXPECT_TRUE(messages.texts.empty());
}

constexpr const char* kAveragesError = "Ошибка расчета параметров ММР!";

// An included assay whose database peak spans the given minutes of its 10 to 20 minute signal.
Assay SampleAssay(int32_t id, double front, double back, std::vector<TableItem> table = {}) {
    Assay assay = CalibrationAssay(id, std::move(table));
    Peak peak;
    peak.name = "sample";
    peak.front = front;
    peak.back = back;
    assay.peaks = {peak};
    return assay;
}

struct AveragesMessageCase {
    const char* name;
    std::vector<Assay> samples;  // after a standards run with PS-1 and PS-2
    std::vector<std::string> messages;
};

std::ostream& operator<<(std::ostream& out, const AveragesMessageCase& c) { return out << c.name; }

class RecalculationPassAverages : public RecalculationPassTest,
                                  public testing::WithParamInterface<AveragesMessageCase> {};

// The calculation shows nothing itself; the pass shows one box for every assay whose slices lie
// outside its samples, after the components it did not find, as the run met them.
TEST_P(RecalculationPassAverages, ShowOneBoxPerFailedAssay) {
    state.Assays = {CalibrationAssay(1, {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0)})};
    state.Assays.insert(state.Assays.end(), GetParam().samples.begin(), GetParam().samples.end());
    ASSERT_TRUE(Run().ran);
    EXPECT_EQ(messages.texts, GetParam().messages);

    messages.texts.clear();
    RefitPoints(state, components, calibration, messages);
    std::vector<std::string> refitMessages;
    for (const std::string& text : GetParam().messages)
        if (text == kAveragesError) refitMessages.push_back(text);
    EXPECT_EQ(messages.texts, refitMessages) << "a refit reports as the pass does, the table is not read again";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecalculationPassAverages,
    testing::Values(AveragesMessageCase{"SlicesInside", {SampleAssay(2, 11.0, 13.0)}, {}},
                    AveragesMessageCase{"BackBeyondSamples", {SampleAssay(2, 11.0, 25.0)}, {kAveragesError}},
                    AveragesMessageCase{"TwoAssaysOutside",
                                        {SampleAssay(2, 11.0, 25.0), SampleAssay(3, 30.0, 31.0)},
                                        {kAveragesError, kAveragesError}},
                    AveragesMessageCase{"UnknownComponentFirst",
                                        {SampleAssay(2, 11.0, 25.0, {LabItem("X1", 11.0)})},
                                        {"В таблице компонентов не найден X1", kAveragesError}}),
    [](const testing::TestParamInfo<AveragesMessageCase>& info) { return std::string(info.param.name); });

}  // namespace
