// Storing and restoring the workbench settings in a fake host's profile, with assays from a host
// database and chromatogram files built by the test.
#include "LabDatabaseTest.h"
#include "LinkedHost.h"
#include "base/MessageSink.h"
#include "workbench/AssayLoading.h"
#include "workbench/WorkbenchSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class WorkbenchSettingsTest : public LabDatabaseTest {
protected:
    void SetUp() override {
        LabDatabaseTest::SetUp();
        host.connectionUri = database->path;
        host.environment.AskDatabaseLocation();
    }

    void AddAssay(int32_t id) {
        const std::string file = (folder / (std::to_string(id) + ".chr")).string();
        std::vector<Channel> channels = {LabChannel(1, 2.0, 0.5, {1.0f, 2.0f, 3.0f})};
        channels[0].table = {LabItem("PS-1", 2.5)};
        ASSERT_TRUE(WriteChromatogram(file, channels));
        database->AddAssay(id, file, "sample", "GPC", true);
    }
    std::string& Stored(int number) {
        return host.strings[host.profile.ParameterName("", "Assay " + std::to_string(number))];
    }

    LinkedHost host;
    RecordingMessageSink messages;
};

TEST_F(WorkbenchSettingsTest, StoresAndRestoresOrderAndMarks) {
    std::vector<Assay> assays;
    for (const auto& [id, included] : {std::pair{12, 0}, {7, 1}, {40, 0}}) {
        AddAssay(id);
        DataBase::Handle db(database->path);
        const int32_t index = LoadAssay(db, id, assays).index;
        ASSERT_GE(index, 0);
        assays[index].included = included;
    }
    SaveAssaySet(host.profile, assays);
    EXPECT_EQ(Stored(1), "12/0");
    EXPECT_EQ(Stored(2), "7/1");
    EXPECT_EQ(Stored(3), "40/0");

    std::vector<Assay> restored;
    EXPECT_EQ(RestoreAssaySet(host.profile, host.environment, restored, messages), 3);
    ASSERT_EQ(restored.size(), 3u);
    EXPECT_EQ(restored[0].id, 12);
    EXPECT_EQ(restored[1].id, 7);
    EXPECT_EQ(restored[2].id, 40);
    EXPECT_EQ(restored[0].included, 0);
    EXPECT_EQ(restored[1].included, 1);
    EXPECT_EQ(restored[2].included, 0);
}

TEST_F(WorkbenchSettingsTest, GapEndsRestoreAndVanishedAssayStillCounts) {
    AddAssay(12);
    Stored(1) = "99/1";  // no such assay any more
    Stored(2) = "12/1";
    Stored(4) = "12/0";  // after the gap at 3
    std::vector<Assay> restored;
    EXPECT_EQ(RestoreAssaySet(host.profile, host.environment, restored, messages), 2);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].id, 12);
    EXPECT_EQ(restored[0].included, 1);
}

TEST_F(WorkbenchSettingsTest, HundredAssaysStoreNoneAndClearOldEntries) {
    Stored(5) = "3/1";
    std::vector<Assay> assays(100);
    SaveAssaySet(host.profile, assays);
    for (const auto& [name, value] : host.strings) EXPECT_EQ(name.find("Assay"), std::string::npos) << name;
}

TEST_F(WorkbenchSettingsTest, EmptyProfileGivesDefaults) {
    WorkbenchState state;
    RestoreWorkbenchValues(host.profile, state);
    EXPECT_EQ(state.GradIndex, 404);
    EXPECT_EQ(state.FormulaIndex, 404);
    EXPECT_EQ(state.ChannelIndex, 0);
    EXPECT_EQ(state.K, 1.0);
    EXPECT_EQ(state.Alpha, 0.0);
    EXPECT_FALSE(state.Standards.K);
    EXPECT_FALSE(state.Standards.Alpha);
    EXPECT_FALSE(state.Standards.broadMn);
    EXPECT_FALSE(state.Standards.broadMw);
    EXPECT_TRUE(RestorePointFlags(host.profile).empty());
    const WindowRect rect = RestoreWindowRect(host.profile);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.bottom, 0);
    std::vector<Assay> restored;
    EXPECT_EQ(RestoreAssaySet(host.profile, host.environment, restored, messages), 0);
    EXPECT_TRUE(restored.empty());
}

TEST_F(WorkbenchSettingsTest, ChannelAndPointFlagsComeBack) {
    WorkbenchState state;
    state.ChannelIndex = 1;
    state.PointFlags = {1, 0, 1, 1};
    SaveWorkbenchValues(host.profile, {}, state);
    WorkbenchState restored;
    RestoreWorkbenchValues(host.profile, restored);
    EXPECT_EQ(restored.ChannelIndex, 1);
    EXPECT_EQ(RestorePointFlags(host.profile), (std::vector<int32_t>{1, 0, 1, 1}));

    state.PointFlags.assign(200, 1);  // more than a profile text holds: an empty entry, rebuilt flags
    SaveWorkbenchValues(host.profile, {}, state);
    EXPECT_TRUE(RestorePointFlags(host.profile).empty());
}

TEST_F(WorkbenchSettingsTest, DamagedPointFlagsAreNotRestored) {
    std::string& stored = host.strings[host.profile.ParameterName("", "PointFlags")];
    for (const std::string& damaged :
         {std::string("1 0"), std::string("12"), std::string("x"), std::string(5000, '1')}) {
        stored = damaged;
        EXPECT_TRUE(RestorePointFlags(host.profile).empty()) << damaged.substr(0, 10);
    }
}

TEST_F(WorkbenchSettingsTest, StandardsValuesComeBackAndThoseNotGivenStayEmpty) {
    WorkbenchState state;
    state.Standards = {1.14e-4, std::nullopt, 25000.0, 52500.5};
    SaveWorkbenchValues(host.profile, {}, state);
    const auto stored = [this](const char* key) { return host.strings[host.profile.ParameterName("", key)]; };
    EXPECT_EQ(stored("StandardK"), "0.000114");
    EXPECT_EQ(stored("StandardAlpha"), "");
    EXPECT_EQ(stored("BroadMn"), "25000");
    EXPECT_EQ(stored("BroadMw"), "52500.5");
    WorkbenchState restored;
    RestoreWorkbenchValues(host.profile, restored);
    EXPECT_EQ(restored.Standards.K, 1.14e-4);
    EXPECT_FALSE(restored.Standards.Alpha);
    EXPECT_EQ(restored.Standards.broadMn, 25000.0);
    EXPECT_EQ(restored.Standards.broadMw, 52500.5);
}

TEST_F(WorkbenchSettingsTest, DamagedStandardsValuesAreNotGiven) {
    std::string& stored = host.strings[host.profile.ParameterName("", "BroadMw")];
    for (const std::string& damaged : {std::string("abc"), std::string("1e999"), std::string("nan"), std::string(" 5"),
                                       std::string("5x"), std::string("1,5")}) {
        stored = damaged;
        WorkbenchState restored;
        RestoreWorkbenchValues(host.profile, restored);
        EXPECT_FALSE(restored.Standards.broadMw) << damaged.substr(0, 10);
    }
}

}  // namespace
