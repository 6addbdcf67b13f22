// The demo data set: realistic enough that the module recovers the true averages of its samples,
// and the same for the same seed.
#include "DemoDataSet.h"

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

QJsonObject Calc(const DemoDataSet& set, const std::string& assays) {
    const std::string command = std::string(QUORVEL_BIN_DIR) + "/quorvel-calc --json --dependence 2 --db " +
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

TEST_F(DemoData, CalculationRecoversTheTrueAveragesOfTheBroadSamples) {
    for (const DemoAssay& assay : result.set.assays) {
        if (!assay.polymer || assay.method != result.set.assays[0].method) continue;
        const QJsonObject out = Calc(result.set, "1 2 " + std::to_string(assay.id));
        const QJsonObject results = out["results"].toObject();
        EXPECT_NEAR(results["Mn"].toDouble(), assay.polymer->Mn(), 0.02 * assay.polymer->Mn()) << assay.sample;
        EXPECT_NEAR(results["Mw"].toDouble(), assay.polymer->mw, 0.02 * assay.polymer->mw) << assay.sample;
        EXPECT_EQ(out["points"].toArray().size(), 10);
        EXPECT_TRUE(out["messages"].toArray().isEmpty());
    }
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
