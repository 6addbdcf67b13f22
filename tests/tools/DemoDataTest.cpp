// The demo data set: realistic enough that the module recovers the true averages of its samples,
// and the same for the same seed.
#include "DemoDataSet.h"
#include "base/NumberText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QJsonObject Calc(const DemoDataSet& set, const std::string& assays, const std::string& options = "--dependence 2") {
    const std::string command = std::string(QUORVEL_BIN_DIR) + "/quorvel-calc --json " + options + " --db " +
                                set.databasePath + " --docs " + set.documentsFolder + " " + assays;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    size_t got = 0;
    while (pipe && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    if (pipe) pclose(pipe);
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
}

class DemoData : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("quorvel-demo-" + std::to_string(::getpid()));
        fs::remove_all(root);
        result = WriteDemoData((root / "a").string(), 7);
        ASSERT_TRUE(result.ok) << result.description;
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    DemoWriteResult result;
};

// The options of a calibration from the narrow polystyrene standards: for another polymer the universal one.
std::string NarrowOptions(const DemoPolymer& polymer) {
    const MarkHouwink& c = polymer.constants;
    if (c.K == kPolystyrene.K && c.alpha == kPolystyrene.alpha) return "--dependence 2";
    return "--dependence 2 --type 2 --k " + std::to_string(c.K) + " --alpha " + std::to_string(c.alpha) +
           " --standard-k " + std::to_string(kPolystyrene.K) + " --standard-alpha " +
           std::to_string(kPolystyrene.alpha);
}

TEST_F(DemoData, CalculationRecoversTheTrueAveragesOfTheBroadSamples) {
    for (const DemoAssay& assay : result.set.assays) {
        if (!assay.polymer || assay.method != result.set.assays[0].method) continue;
        const QJsonObject out = Calc(result.set, "1 2 " + std::to_string(assay.id), NarrowOptions(*assay.polymer));
        const QJsonObject results = out["results"].toObject();
        EXPECT_NEAR(results["Mn"].toDouble(), assay.polymer->Mn(), 0.02 * assay.polymer->Mn()) << assay.sample;
        EXPECT_NEAR(results["Mw"].toDouble(), assay.polymer->mw, 0.02 * assay.polymer->mw) << assay.sample;
        EXPECT_EQ(out["points"].toArray().size(), 10);
        EXPECT_TRUE(out["messages"].toArray().isEmpty());
    }
}

// The broad standard (run 6) gives itself its certified averages, and a polystyrene sample (run 3) its
// own within what a line can make of the column's curved calibration.
TEST_F(DemoData, BroadStandardCalibrationRecoversTheSample) {
    const DemoPolymer& standard = *result.set.assays[5].polymer;
    const DemoPolymer& sample = *result.set.assays[2].polymer;
    const QJsonObject out =
        Calc(result.set, "6 3",
             "--type 1 --broad-mn " + std::to_string(standard.Mn()) + " --broad-mw " + std::to_string(standard.mw));
    EXPECT_TRUE(out["messages"].toArray().isEmpty());
    const QJsonArray samples = out["samples"].toArray();
    ASSERT_EQ(samples.size(), 2);
    EXPECT_NEAR(samples[0].toObject()["Mw"].toDouble(), standard.mw, 1e-5 * standard.mw);
    EXPECT_NEAR(samples[1].toObject()["Mn"].toDouble(), sample.Mn(), 0.05 * sample.Mn());
    EXPECT_NEAR(samples[1].toObject()["Mw"].toDouble(), sample.mw, 0.05 * sample.mw);
}

TEST_F(DemoData, AnotherMethodIsNotCalculatedWithTheCalibration) {
    const QJsonObject out = Calc(result.set, "1 2 5");
    for (const auto assay : out["assays"].toArray()) EXPECT_FALSE(assay.toObject()["included"].toBool());
}

TEST_F(DemoData, SameSeedGivesTheSameFiles) {
    const DemoWriteResult again = WriteDemoData((root / "b").string(), 7);
    ASSERT_TRUE(again.ok) << again.description;
    for (const char* name : {"chromatograms/run1.chr", "chromatograms/run3.chr", "documents/CompsTableQuorvel.csv"})
        EXPECT_EQ(Bytes(root / "a" / name), Bytes(root / "b" / name)) << name;
    const DemoWriteResult other = WriteDemoData((root / "c").string(), 8);
    ASSERT_TRUE(other.ok);
    EXPECT_NE(Bytes(root / "a" / "chromatograms/run3.chr"), Bytes(root / "c" / "chromatograms/run3.chr"));
}

TEST_F(DemoData, ExistingDatabaseIsNeverOverwritten) {
    const std::string before = Bytes(result.set.databasePath);
    const DemoWriteResult again = WriteDemoData((root / "a").string(), 9);
    EXPECT_FALSE(again.ok);
    EXPECT_FALSE(again.description.empty());
    EXPECT_EQ(Bytes(result.set.databasePath), before);
}

TEST_F(DemoData, ProfileNamesTheDocumentsFolder) {
    const std::string profile = Bytes(result.set.profilePath);
    EXPECT_NE(profile.find("plugins\\quorvel\\/PublicDocuments_Quorvel=" + result.set.documentsFolder),
              std::string::npos)
        << profile;
    EXPECT_TRUE(fs::exists(fs::path(result.set.documentsFolder) / "gel.xsl"));
}

}  // namespace
