// Loading assays from a host database and chromatogram files built by the test.
#include "LabDatabaseTest.h"
#include "LinkedHost.h"
#include "base/FixedEnvironment.h"
#include "workbench/AssayLoading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

namespace fs = std::filesystem;

namespace {

constexpr double kNoBlock = -std::numeric_limits<double>::max();

class AssayLoadingTest : public LabDatabaseTest {
protected:
    // An assay whose file holds two channels, channel 1 with a calibration table.
    void AddGoodAssay(int32_t id, const std::string& fileName) {
        std::vector<Channel> channels = {LabChannel(1, 2.0, 0.5, {1.0f, 2.0f, 3.0f}), LabChannel(2, 4.0, 0.25, {5.0f})};
        channels[0].table = {LabItem("PS-1", 2.5)};
        ASSERT_TRUE(WriteChromatogram(File(fileName), channels));
        database->AddAssay(id, File(fileName), "sample " + std::to_string(id), "GPC", true, 1700000000 + id, "mix");
    }

    std::vector<Assay> assays;
};

TEST_F(AssayLoadingTest, LoadsRowFileAndPeaks) {
    AddGoodAssay(12, "a.chr");
    database->AddPeak(12, {"PS-1", 2.5, 1, 2.1, 2.9, 1.0});
    DataBase::Handle db(database->path);
    const AssayLoad load = LoadAssay(db, 12, assays);
    ASSERT_EQ(load.index, 0);
    EXPECT_TRUE(load.status);
    const Assay& assay = assays[0];
    EXPECT_EQ(assay.id, 12);
    EXPECT_EQ(assay.date, 1700000012);
    EXPECT_EQ(assay.fileName, File("a.chr"));
    EXPECT_EQ(assay.sample, "sample 12");
    EXPECT_EQ(assay.mixture, "mix");
    EXPECT_EQ(assay.method, "GPC");
    EXPECT_TRUE(assay.isCalibration);
    EXPECT_EQ(assay.included, 0);
    ASSERT_EQ(assay.channels.size(), 2u);
    EXPECT_EQ(assay.channels[0].samples, (std::vector<float>{1.0f, 2.0f, 3.0f}));
    ASSERT_EQ(assay.channels[0].table.size(), 1u);
    EXPECT_EQ(assay.channels[0].table[0].name, "PS-1");
    ASSERT_EQ(assay.signals.size(), 2u);
    EXPECT_EQ(assay.signals[0], (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(assay.signals[1], (std::vector<double>{5.0}));
    // Each sample is held once: the signals are the channels' samples, not a copy.
    EXPECT_TRUE(assay.signals[0].SharesValuesWith(assay.channels[0].samples));
    EXPECT_TRUE(assay.signals[1].SharesValuesWith(assay.channels[1].samples));
    EXPECT_EQ(assay.lastValue1, 4.0);
    EXPECT_EQ(assay.lastValue2, 0.25);
    ASSERT_EQ(assay.peaks.size(), 1u);
    EXPECT_EQ(assay.peaks[0].back, 2.9);
}

// Databases made before the host indexed [peak] by assay load the same, only slower.
TEST_F(AssayLoadingTest, DatabaseWithoutThePeakIndexLoadsThePeaks) {
    AddGoodAssay(12, "a.chr");
    database->AddPeak(12, {"PS-1", 2.5, 1, 2.1, 2.9, 1.0});
    database->Execute("DROP INDEX peak_assayid;");
    DataBase::Handle db(database->path);
    ASSERT_EQ(LoadAssay(db, 12, assays).index, 0);
    ASSERT_EQ(assays[0].peaks.size(), 1u);
    EXPECT_EQ(assays[0].peaks[0].name, "PS-1");
}

TEST_F(AssayLoadingTest, KnownIdentifierReturnsItsIndexWithoutReading) {
    AddGoodAssay(7, "a.chr");
    AddGoodAssay(8, "b.chr");
    DataBase::Handle db(database->path);
    ASSERT_EQ(LoadAssay(db, 7, assays).index, 0);
    ASSERT_EQ(LoadAssay(db, 8, assays).index, 1);
    fs::remove(File("a.chr"));
    database->Execute("DROP TABLE peak;");
    EXPECT_EQ(LoadAssay(db, 7, assays).index, 0);
    EXPECT_EQ(assays.size(), 2u);
    EXPECT_EQ(assays[0].channels.size(), 2u);
}

TEST_F(AssayLoadingTest, TwoRowsForOneIdentifierGiveOneAssay) {
    database->Execute(
        "DROP TABLE assay; CREATE TABLE assay (id INTEGER, date INTEGER, filename TEXT, sample TEXT,"
        " mixture TEXT, method TEXT, iscalibration INTEGER);"
        "INSERT INTO assay VALUES (5, 1, 'x', 'first', '', 'm', 0);"
        "INSERT INTO assay VALUES (5, 2, 'y', 'second', '', 'm', 0);");
    DataBase::Handle db(database->path);
    EXPECT_EQ(LoadAssay(db, 5, assays).index, 0);
    ASSERT_EQ(assays.size(), 1u);
    EXPECT_EQ(assays[0].sample, "first");
}

TEST_F(AssayLoadingTest, PeaksWithoutNameSkippedAndGroupedByChannelThenTime) {
    AddGoodAssay(3, "a.chr");
    database->AddPeak(3, {"B", 0.5, 2});
    database->AddPeak(3, {"", 0.7, 1});
    database->AddPeak(3, {"C", 1.0, 2});
    database->AddPeak(3, {"A", 3.0, 1});
    database->Execute("INSERT INTO peak (assayid, name, time) VALUES (3, 'N', 0.1);");  // NULL channel
    DataBase::Handle db(database->path);
    ASSERT_EQ(LoadAssay(db, 3, assays).index, 0);
    std::vector<std::pair<int32_t, double>> order;
    for (const Peak& peak : assays[0].peaks) order.emplace_back(peak.channel, peak.time);
    EXPECT_EQ(order, (std::vector<std::pair<int32_t, double>>{{0, 0.1}, {1, 3.0}, {2, 0.5}, {2, 1.0}}));
}

TEST_F(AssayLoadingTest, MissingFileGivesAnAssayWithoutChannels) {
    database->AddAssay(4, File("missing.chr"), "s", "m");
    DataBase::Handle db(database->path);
    ASSERT_EQ(LoadAssay(db, 4, assays).index, 0);
    EXPECT_TRUE(assays[0].channels.empty());
    EXPECT_TRUE(assays[0].signals.empty());
    EXPECT_EQ(assays[0].lastValue1, kNoBlock);
    EXPECT_EQ(assays[0].lastValue2, kNoBlock);
}

TEST_F(AssayLoadingTest, DamagedXmlPartKeepsTheSignalsOnly) {
    AddGoodAssay(9, "a.chr");
    fs::resize_file(File("a.chr"), fs::file_size(File("a.chr")) - 10);
    DataBase::Handle db(database->path);
    ASSERT_EQ(LoadAssay(db, 9, assays).index, 0);
    EXPECT_TRUE(assays[0].channels.empty());
    ASSERT_EQ(assays[0].signals.size(), 2u);
    EXPECT_EQ(assays[0].signals[0], (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(assays[0].signals[1], (std::vector<double>{5.0}));
    EXPECT_EQ(assays[0].lastValue1, 4.0);
}

TEST_F(AssayLoadingTest, UnknownIdentifierChangesNothing) {
    AddGoodAssay(1, "a.chr");
    DataBase::Handle db(database->path);
    EXPECT_EQ(LoadAssay(db, 2, assays).index, -1);
    EXPECT_EQ(LoadAssay(db, -1, assays).index, -1);
    EXPECT_TRUE(assays.empty());
}

TEST_F(AssayLoadingTest, DatabaseErrorEndsTheLoadWithSqliteText) {
    AddGoodAssay(1, "a.chr");
    database->Execute("DROP TABLE peak;");
    DataBase::Handle db(database->path);
    const AssayLoad load = LoadAssay(db, 1, assays);
    EXPECT_EQ(load.index, -1);
    EXPECT_TRUE(assays.empty());
    EXPECT_FALSE(load.status);
    EXPECT_EQ(load.status.message.id, MessageId::DatabaseError);
    EXPECT_EQ(load.status.Description(), "Ошибка базы данных: no such table: peak");
}

TEST_F(AssayLoadingTest, HostIsAskedToOpenTheStoredFiles) {
    AddGoodAssay(1, "a.chr");
    AddGoodAssay(2, "Хроматограмма.chr");
    LinkedHost host;
    FixedEnvironment environment(std::nullopt, database->path);
    OpenAssayFiles(host.link, environment, {2, 1, 99});
    EXPECT_EQ(host.openedFiles, (std::vector<std::string>{File("Хроматограмма.chr"), File("a.chr")}));

    host.openedFiles.clear();
    host.served.erase("Main/OpenAssayFile");
    environment.databaseLocation = (folder / "no-such-folder" / "x.db").string();
    OpenAssayFiles(host.link, environment, {1});  // opens no database: the host cannot open files anyway
    EXPECT_TRUE(host.openedFiles.empty());
}

}  // namespace
