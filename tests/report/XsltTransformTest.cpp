// The transformation of the report document: its failure paths, what a stylesheet may not reach,
// and the shipped stylesheet gel.xsl with its escaping.
#include "ReportTestSupport.h"
#include "report/XsltTransform.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* kMinimalStylesheet =
    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
    "<xsl:output method=\"html\"/>"
    "<xsl:template match=\"/\"><p><xsl:value-of select=\"Document/k0\"/></p></xsl:template>"
    "</xsl:stylesheet>";

// A stylesheet whose only template has body as its content.
std::string StylesheetWith(const std::string& body, const std::string& prologue = {}) {
    return prologue +
           "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
           "<xsl:output method=\"html\"/><xsl:template match=\"/\">" +
           body + "</xsl:template></xsl:stylesheet>";
}

class Transformation : public testing::Test {
protected:
    void SetUp() override {
        report.calibration.results.k0 = 8.0;
        report.Compose(document, folder / "graph.png");
    }

    Status Transform(const std::string& stylesheet, const std::string& output, bool open = true) {
        return report.builder.TransformAndOpen(document, stylesheet, output, open);
    }

    TempFolder folder;
    PreparedReport report;
    XMLWrapper document;
};

TEST_F(Transformation, WritesTheResultAndOpensItWhenAsked) {
    WriteFileBytes(folder / "gel.xsl", kMinimalStylesheet);
    EXPECT_TRUE(Transform(folder / "gel.xsl", folder / "closed.html", false));
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_TRUE(Transform(folder / "gel.xsl", folder / "report.html"));
    EXPECT_EQ(report.platform.opened, std::vector<std::string>{folder / "report.html"});
    EXPECT_EQ(FileBytes(folder / "report.html"), "<p>8</p>\n");
}

TEST_F(Transformation, ReplacesAnEarlierOutput) {
    WriteFileBytes(folder / "gel.xsl", kMinimalStylesheet);
    WriteFileBytes(folder / "report.html", std::string(1000, 'x'));
    EXPECT_TRUE(Transform(folder / "gel.xsl", folder / "report.html"));
    EXPECT_EQ(FileBytes(folder / "report.html"), "<p>8</p>\n");
}

struct FailureCase {
    const char* name;
    std::string stylesheet;  // content of gel.xsl; empty: no file
    std::string outputName;  // inside the test folder
    MessageId message;
    std::string reason;  // how the message's argument starts, FOLDER standing for the test folder
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) { return out << c.name; }

class TransformationFails : public Transformation, public testing::WithParamInterface<FailureCase> {};

TEST_P(TransformationFails, SaysWhyAndOpensNothing) {
    if (!GetParam().stylesheet.empty()) WriteFileBytes(folder / "gel.xsl", GetParam().stylesheet);
    fs::create_directory(folder / "folder");
    WriteFileBytes(folder / "elsewhere.html", "kept");
    fs::create_symlink(folder / "elsewhere.html", folder / "link.html");
    const Status status = Transform(folder / "gel.xsl", folder / GetParam().outputName);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message.id, GetParam().message);
    std::string reason = GetParam().reason;
    if (const std::string::size_type at = reason.find("FOLDER"); at != std::string::npos)
        reason.replace(at, 6, folder.Path().string());
    EXPECT_EQ(status.message.argument.rfind(reason, 0), 0u) << status.Description();
    EXPECT_TRUE(report.platform.opened.empty());
    EXPECT_EQ(FileBytes(folder / "elsewhere.html"), "kept");
    if (GetParam().outputName == "report.html") {
        EXPECT_FALSE(fs::exists(folder / "report.html"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationFails,
    testing::Values(
        FailureCase{"MissingStylesheet", "", "report.html", MessageId::TransformFailed,
                    "the stylesheet FOLDER/gel.xsl cannot be read: No such file or directory"},
        FailureCase{"NotWellFormed", "<xsl:stylesheet version=\"1.0\"", "report.html", MessageId::TransformFailed,
                    "the stylesheet FOLDER/gel.xsl is not well-formed: Couldn't find end of Start Tag"},
        FailureCase{"NotAStylesheet", "<html><body/></html>", "report.html", MessageId::TransformFailed,
                    "the stylesheet FOLDER/gel.xsl is not a valid stylesheet: "},
        FailureCase{"BrokenExpression", StylesheetWith("<xsl:value-of select=\"Document/[\"/>"), "report.html",
                    MessageId::TransformFailed, "the stylesheet FOLDER/gel.xsl is not a valid stylesheet: "},
        FailureCase{"TerminatingMessage", StylesheetWith("<xsl:message terminate=\"yes\">stop</xsl:message>"),
                    "report.html", MessageId::TransformFailed, "the transformation failed: stop"},
        FailureCase{"ImportsAnotherStylesheet",
                    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                    "<xsl:import href=\"other.xsl\"/></xsl:stylesheet>",
                    "report.html", MessageId::TransformFailed,
                    "the stylesheet FOLDER/gel.xsl imports or includes another stylesheet"},
        FailureCase{"TooLarge", StylesheetWith("<!--" + std::string(kMaxStylesheetBytes, ' ') + "-->"), "report.html",
                    MessageId::TransformFailed, "the stylesheet FOLDER/gel.xsl is larger than 4194304 bytes"},
        FailureCase{"OutputInMissingFolder", kMinimalStylesheet, "missing/report.html", MessageId::FileNotWritten,
                    "FOLDER/missing/report.html: No such file or directory"},
        FailureCase{"OutputIsAFolder", kMinimalStylesheet, "folder", MessageId::FileNotWritten,
                    "FOLDER/folder: Is a directory"},
        FailureCase{"OutputIsALink", kMinimalStylesheet, "link.html", MessageId::FileNotWritten,
                    "FOLDER/link.html: Too many levels of symbolic links"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(Transformation, StylesheetThatIsAFolderOrAPipeFailsWithoutWaiting) {
    fs::create_directory(folder / "folder.xsl");
    ASSERT_EQ(::mkfifo((folder / "pipe.xsl").c_str(), 0600), 0);
    EXPECT_EQ(Transform(folder / "folder.xsl", folder / "report.html").message.argument,
              "the stylesheet " + (folder / "folder.xsl") + " cannot be read: not a regular file");
    EXPECT_EQ(Transform(folder / "pipe.xsl", folder / "report.html").message.argument,
              "the stylesheet " + (folder / "pipe.xsl") + " cannot be read: not a regular file");
    EXPECT_TRUE(report.platform.opened.empty());
}

TEST_F(Transformation, WithoutADocumentFails) {
    WriteFileBytes(folder / "gel.xsl", kMinimalStylesheet);
    XMLWrapper empty;
    EXPECT_EQ(report.builder.TransformAndOpen(empty, folder / "gel.xsl", folder / "report.html", true).Description(),
              "Не удалось преобразовать отчёт: there is no document");
    EXPECT_TRUE(report.platform.opened.empty());
}

// Whatever a stylesheet asks for, the secret file's content never reaches the page, and nothing is
// written beside it.
struct ReachCase {
    const char* name;
    std::string stylesheet;
};

std::ostream& operator<<(std::ostream& out, const ReachCase& c) { return out << c.name; }

class StylesheetCannotReach : public Transformation, public testing::WithParamInterface<ReachCase> {};

TEST_P(StylesheetCannotReach, OtherFiles) {
    WriteFileBytes(folder / "secret.xml", "<s>TOP-SECRET</s>");
    std::string stylesheet = GetParam().stylesheet;
    for (std::string::size_type at; (at = stylesheet.find("FOLDER")) != std::string::npos;)
        stylesheet.replace(at, 6, folder.Path().string());
    WriteFileBytes(folder / "gel.xsl", stylesheet);
    Transform(folder / "gel.xsl", folder / "report.html", false);
    EXPECT_EQ(FileBytes(folder / "report.html").find("TOP-SECRET"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "written.html"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StylesheetCannotReach,
    testing::Values(
        ReachCase{"ExternalEntity",
                  StylesheetWith("<p>&secret;</p>",
                                 "<!DOCTYPE xsl:stylesheet [<!ENTITY secret SYSTEM \"file://FOLDER/secret.xml\">]>")},
        ReachCase{"ExternalDtd",
                  StylesheetWith("<p>x</p>", "<!DOCTYPE xsl:stylesheet SYSTEM \"file://FOLDER/secret.xml\">")},
        ReachCase{"DocumentFunction",
                  StylesheetWith("<p><xsl:value-of select=\"document('FOLDER/secret.xml')/s\"/></p>")},
        ReachCase{"IncludedStylesheet",
                  "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                  "<xsl:include href=\"FOLDER/secret.xml\"/></xsl:stylesheet>"},
        ReachCase{"WritingADocument",
                  "<xsl:stylesheet version=\"1.1\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                  "<xsl:template match=\"/\"><xsl:document href=\"FOLDER/written.html\"><p>x</p></xsl:document>"
                  "</xsl:template></xsl:stylesheet>"}),
    [](const testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

class ShippedStylesheetPage : public testing::Test {
protected:
    // The page of the prepared report, transformed with stylesheet (docs/gel.xsl unless named).
    std::string Page(PreparedReport& from, const std::string& stylesheet = ShippedStylesheet()) {
        XMLWrapper document;
        from.Compose(document, folder / "graph.png");
        EXPECT_TRUE(from.builder.TransformAndOpen(document, stylesheet, folder / "report.html", false));
        return FileBytes(folder / "report.html");
    }
    std::string Page() { return Page(report); }

    static void ExpectAll(const std::string& page, const std::vector<std::string>& texts) {
        for (const std::string& text : texts) EXPECT_NE(page.find(text), std::string::npos) << text;
    }

    TempFolder folder;
    PreparedReport report;
};

TEST_F(ShippedStylesheetPage, EscapesEveryValue) {
    const std::string hostile = "<script>alert(1)</script> & Co";
    report.assays = {ListedAssay(1, hostile, hostile, 0)};
    report.rows = {PointsListRow{{"1 / " + hostile, "10.00", "1000.00", "", ""}, true}};
    const std::string page = Page();
    EXPECT_EQ(page.find("<script"), std::string::npos);
    size_t escaped = 0;
    for (size_t at = 0; (at = page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; Co", at)) != std::string::npos;
         ++at)
        ++escaped;
    EXPECT_EQ(escaped, 3u) << page;
}

TEST_F(ShippedStylesheetPage, ShowsEverySection) {
    report.assays = {ListedAssay(1, "/data/ps1000.chr", "ГПХ ТГФ", 0), ListedAssay(0, "/data/x.chr", "ГПХ ТГФ", 0)};
    report.rows = {PointsListRow{{"1 / ПС 1000", "10.00", "1000.00", "", ""}, true}};
    report.calibration.usedGradIndex = CCalibration::kMonodisperse;
    report.calibration.results.Mz1 = 4321.0;
    const std::string page = Page();
    ExpectAll(page,
              {"<!DOCTYPE html", "<html lang=\"ru\"", "Гель-проникающая хроматография", "Хроматограммы",
               "/data/ps1000.chr", "Нет", "Монодисперсный", "Y = k1*T + k0", "1 / ПС 1000", "1000.00", "k3", "<img",
               "src=\"data:image/png;base64,cGljdHVyZQ==\"", "Mw/Mn", "Mz+1", "4321.0000", "@media print"});
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST_F(ShippedStylesheetPage, SaysSoWhenThereIsNothingToList) {
    report.platform.saves = false;
    const std::string page = Page();
    EXPECT_NE(page.find("Хроматограммы не выбраны"), std::string::npos);
    EXPECT_NE(page.find("Калибровочных точек нет"), std::string::npos);
    EXPECT_NE(page.find("Рассчитанных образцов нет"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
}

// The hand-worked run on a Russian page: the samples, the fit's quality, both pictures from their data
// URIs, and the texts the page has always had.
TEST_F(ShippedStylesheetPage, ShowsTheSamplesTheFitAndBothPicturesInRussian) {
    SetCalculatedRun(report, "Стандарты ПС", "ПС широкий");
    const std::string page = Page();
    ExpectAll(page, {"<html lang=\"ru\"",
                     "Хроматограммы",
                     "Калибровочные точки",
                     "Коэффициенты калибровки",
                     "<h2>График</h2>",
                     "alt=\"График калибровки\"",
                     "Результаты",
                     "Среднечисловая",
                     "Да",
                     "Монодисперсный",
                     "Стандарты ПС",
                     "ПС широкий",
                     "MM по калибровке, г/моль",
                     "926.12",
                     "16.59",
                     "Качество подгонки",
                     "0.986842",
                     "0.08165",
                     "Результаты по образцам",
                     "broad.chr",
                     "25228.6",
                     "2.06550",
                     "120000",
                     "<td class=\"num warn\">1.50</td>",
                     "<td class=\"num\">0.00</td>",
                     "<h2>Молекулярно-массовое распределение</h2>",
                     "Образец: ПС широкий (broad.chr)",
                     "Синяя линия"});
    size_t pictures = 0;
    for (size_t at = 0; (at = page.find("src=\"data:image/png;base64,cGljdHVyZQ==\"", at)) != std::string::npos; ++at)
        ++pictures;
    EXPECT_EQ(pictures, 2u);
    EXPECT_EQ(page.find("file://"), std::string::npos) << "the page needs no picture folder";
}

// Not one Cyrillic character reaches the English page, though the document carries "Да", "Нет",
// "Монодисперсный" and "График"; the data of this run are in Latin letters.
TEST_F(ShippedStylesheetPage, EnglishHostGetsAnEnglishPage) {
    PreparedReport english(EnglishHost());
    SetCalculatedRun(english, "PS standards", "PS broad");
    english.assays.push_back(ListedAssay(0, "/data/x.chr", "GPC THF", 0));
    const std::string page = Page(english);
    ExpectAll(page, {"<html lang=\"en\"",
                     "<title>Report: gel permeation chromatography</title>",
                     "Chromatograms",
                     "Included",
                     "Yes",
                     "No",
                     "Analysis date",
                     "Monodisperse",
                     "Calibration points",
                     "Fitted M, g/mol",
                     "Deviation, %",
                     "Quality of the fit",
                     "Standard error of Y",
                     "0.986842",
                     "<h2>Calibration chart</h2>",
                     "Number-average molar mass, g/mol",
                     "Results of the samples",
                     "Outside calibration, %",
                     "<h2>Molar-mass distribution</h2>",
                     "Sample: PS broad (broad.chr)",
                     "Blue line"});
    const bool cyrillic = std::any_of(page.begin(), page.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == 0xD0 || byte == 0xD1;  // the lead bytes of U+0400 to U+047F in UTF-8
    });
    EXPECT_FALSE(cyrillic) << page;
}

// The parts of the document that came after the first sections: the language mark, the fit's quality,
// the samples table, the distribution picture, each assay's sample, each point's fit and each
// picture's data URI.
void RemoveAdditions(xmlNodePtr parent) {
    static const std::vector<std::string> additions = {
        "language", "fit", "samples", "distribution_graph", "sample", "fit_molar_mass", "deviation", "data_uri"};
    for (xmlNodePtr node = parent->children; node;) {
        xmlNodePtr next = node->next;
        const std::string name = node->type == XML_ELEMENT_NODE ? reinterpret_cast<const char*>(node->name) : "";
        if (std::find(additions.begin(), additions.end(), name) != additions.end()) {
            xmlUnlinkNode(node);
            xmlFreeNode(node);
        } else if (node->type == XML_ELEMENT_NODE) {
            RemoveAdditions(node);
        }
        node = next;
    }
}

// A lab's stylesheet written for the first sections (the default one of that time) makes the same page
// of the grown document as of the document without the additions, byte for byte.
TEST_F(ShippedStylesheetPage, StylesheetOfTheFirstSectionsMakesTheSamePage) {
    const std::string firstSections = std::string(QUORVEL_TEST_DATA) + "/gel-first-sections.xsl";
    SetCalculatedRun(report, "Стандарты ПС", "ПС широкий");
    report.rows[1].used = false;
    const std::string grown = Page(report, firstSections);
    XMLWrapper document;
    report.Compose(document, folder / "graph.png");
    RemoveAdditions(xmlDocGetRootElement(document.Document()));
    ASSERT_TRUE(report.builder.TransformAndOpen(document, firstSections, folder / "first.html", false));
    EXPECT_EQ(grown, FileBytes(folder / "first.html"));
    ExpectAll(grown,
              {"<html lang=\"ru\"", "standards.chr", "Да", "1 / PS 250", "Нет", "Монодисперсный", "7.966666667", "-0.5",
               "<h2>График</h2>", "src=\"file://" + folder.Path().string() + "/graph.png\"", "25228.5710"});
    for (const char* addition : {"Стандарты ПС", "926.12", "0.986842", "base64", "distribution"})
        EXPECT_EQ(grown.find(addition), std::string::npos) << addition;
    EXPECT_EQ(grown.find("<th class=\"num\">K</th>"), std::string::npos) << "the fit's texts are not K and Alpha";
}

}  // namespace
