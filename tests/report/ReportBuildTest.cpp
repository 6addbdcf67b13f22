// The whole report from the button: temporary files, the documents folder from the host profile,
// opening, a document that cannot be built, and which outcomes the user is told of.
#include "LinkedHost.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ReportBuild : public testing::Test {
protected:
    void SetUp() override {
        report.assays = {ListedAssay(1, "/data/ps1000.chr", "ГПХ ТГФ", 1700000000)};
        report.rows = {PointsListRow{{"1 / ПС 1000", "10.00", "1000.00", "", ""}, true}};
    }

    void SetDocumentsFolder(const std::string& folder) {
        host.strings[host.profile.ParameterName("", "PublicDocuments_Quorvel")] = folder;
    }
    // The entries of the temporary folder ending with suffix, as full paths.
    std::vector<std::string> Made(const std::string& suffix) const {
        std::vector<std::string> found;
        for (const std::string& name : ZelEntries(temporary.Path()))
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                found.push_back(temporary / name);
        return found;
    }

    LinkedHost host;
    TempFolder temporary;
    ScopedEnvironment tmpdir{"TMPDIR", temporary.Path().string()};
    ScopedEnvironment noOpen{"QUORVEL_NO_OPEN", std::nullopt};
    PreparedReport report{host.environment};
};

TEST_F(ReportBuild, TwoReportsGiveTwoPagesAndTwoPictureFolders) {
    SetDocumentsFolder(QUORVEL_DOCS_DIR);
    const Status first = report.builder.Build();
    const Status second = report.builder.Build();
    EXPECT_TRUE(first) << first.Description();
    EXPECT_TRUE(second) << second.Description();
    const auto pages = Made(".html");
    const auto folders = Made(".cat");
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(Made(".tmp").size(), 4u) << "every placeholder stays";
    std::vector<std::string> opened = report.platform.opened;
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, pages);
    std::vector<std::string> pictures = report.platform.pictures;
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures, (std::vector<std::string>{folders[0] + "/TempGraph.png", folders[1] + "/TempGraph.png"}));
    for (const std::string& page : pages) {
        EXPECT_NE(FileBytes(page).find("/data/ps1000.chr"), std::string::npos) << page;
    }
    for (const std::string& folder : folders) EXPECT_TRUE(fs::exists(folder + "/TempGraph.png")) << folder;
    EXPECT_FALSE(IsToldToUser(first));
}

TEST_F(ReportBuild, MissingDocumentsFolderStopsBeforeTheTransformation) {
    const Status status = report.builder.Build();
    EXPECT_EQ(host.calls.back(), "Call Profile/GetString");
    const auto pages = Made(".html");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(FileBytes(pages[0]), "");
    EXPECT_EQ(Made(".cat").size(), 1u) << "the picture is made before";
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_EQ(status.Description(), "Не задана папка документов: отчёт не построен.");
    EXPECT_FALSE(IsToldToUser(status));
}

TEST_F(ReportBuild, DocumentsFolderStoredAs404IsMissingToo) {
    SetDocumentsFolder("404");
    const Status status = report.builder.Build();
    ASSERT_EQ(Made(".html").size(), 1u);
    EXPECT_EQ(FileBytes(Made(".html")[0]), "");
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_EQ(status.message.id, MessageId::ReportFolderMissing);
}

TEST_F(ReportBuild, StylesheetMissingFromTheFolderOpensNothingAndSaysNothing) {
    SetDocumentsFolder(temporary / "documents");
    const Status status = report.builder.Build();
    ASSERT_EQ(Made(".html").size(), 1u);
    EXPECT_EQ(FileBytes(Made(".html")[0]), "");
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_EQ(status.Description(), "Не удалось преобразовать отчёт: the stylesheet " + (temporary / "documents") +
                                        "/gel.xsl cannot be read: No such file or directory");
    EXPECT_FALSE(IsToldToUser(status));
}

TEST_F(ReportBuild, OpeningCanBeTurnedOff) {
    SetDocumentsFolder(QUORVEL_DOCS_DIR);
    ScopedEnvironment off("QUORVEL_NO_OPEN", std::string("1"));
    report.builder.Build();
    ASSERT_EQ(Made(".html").size(), 1u);
    EXPECT_NE(FileBytes(Made(".html")[0]).find("<html"), std::string::npos);
    EXPECT_TRUE(report.platform.opened.empty());
}

struct BrokenText {
    const char* name;
    std::string fileName;
    std::string method;
    std::string rowText;
};

std::ostream& operator<<(std::ostream& out, const BrokenText& c) { return out << c.name; }

class ReportBuildRefuses : public ReportBuild, public testing::WithParamInterface<BrokenText> {};

TEST_P(ReportBuildRefuses, TextsXmlCannotCarryWithAMessageAndNoFiles) {
    SetDocumentsFolder(QUORVEL_DOCS_DIR);
    report.assays[0].fileName = GetParam().fileName;
    report.assays[0].method = GetParam().method;
    report.rows[0].texts[0] = GetParam().rowText;
    const Status status = report.builder.Build();
    EXPECT_TRUE(IsToldToUser(status));
    EXPECT_EQ(status.Description().rfind("Ошибка построения отчёта: the text of element \"name\"", 0), 0u)
        << status.Description();
    EXPECT_TRUE(ZelEntries(temporary.Path()).empty());
    EXPECT_TRUE(report.platform.pictures.empty());
    EXPECT_TRUE(report.platform.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportBuildRefuses,
                         testing::Values(BrokenText{"FileNameNotUtf8", "/data/\xC0\xC1.chr", "m", "1 / A"},
                                         BrokenText{"MethodWithNul", "/data/a.chr", std::string("m\0x", 3), "1 / A"},
                                         BrokenText{"RowWithControlCharacter", "/data/a.chr", "m", "1 / A\x1B[31m"}),
                         [](const testing::TestParamInfo<BrokenText>& info) { return std::string(info.param.name); });

TEST_F(ReportBuild, WithoutReferencesDoesNothing) {
    SetDocumentsFolder(QUORVEL_DOCS_DIR);
    report.builder.pointsList = nullptr;
    for (const Status& status :
         {report.builder.Build(), report.builder.WriteReport(temporary / "report.html", ShippedStylesheet())})
        EXPECT_EQ(status.Description(), "Ошибка построения отчёта: nothing to report on");
    EXPECT_TRUE(ZelEntries(temporary.Path()).empty());
    EXPECT_FALSE(fs::exists(temporary / "report.html"));
    EXPECT_TRUE(report.platform.pictures.empty());
}

TEST_F(ReportBuild, WritesAReportWhereAskedWithThePictureBeside) {
    TempFolder out;
    const Status written = report.builder.WriteReport(out / "run.html", ShippedStylesheet());
    EXPECT_TRUE(written) << written.Description();
    EXPECT_EQ(report.platform.pictures, std::vector<std::string>{out / "run.png"});
    const std::string page = FileBytes(out / "run.html");
    EXPECT_NE(page.find("src=\"data:image/png;base64,cGljdHVyZQ==\""), std::string::npos) << "the picture's bytes";
    EXPECT_EQ(page.find("file://"), std::string::npos) << "the page needs no picture file";
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_TRUE(ZelEntries(temporary.Path()).empty()) << "nothing in the temporary folder";
    EXPECT_EQ(report.builder.WriteReport(out / "missing/run.html", ShippedStylesheet()).message.id,
              MessageId::FileNotWritten);
    EXPECT_EQ(report.builder.WriteReport(out / "other.html", out / "missing.xsl").message.id,
              MessageId::TransformFailed);
}

}  // namespace
