// quorvel-calc: its arguments, and whole runs of the program on a small host data set.
#include "CalcOptions.h"
#include "LabData.h"
#include "components/Cp1251Codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

struct ParseCase {
    const char* name;
    std::vector<std::string> arguments;
    bool ok;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << c.name; }

class CalcArguments : public testing::TestWithParam<ParseCase> {};

TEST_P(CalcArguments, AreAcceptedOrRefused) {
    const CalcOptionsResult result = ParseCalcOptions(GetParam().arguments);
    EXPECT_EQ(result.ok, GetParam().ok) << result.description;
    if (!result.ok) {
        EXPECT_FALSE(result.description.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcArguments,
    testing::Values(ParseCase{"Minimal", {"--db", "h.db", "--docs", "d", "12"}, true},
                    ParseCase{"Everything",
                              {"--db",    "h.db",      "--docs", "d",    "--type",   "2",       "--dependence",
                               "2",       "--channel", "1",      "--k",  "0.000141", "--alpha", "0.7",
                               "--flags", "1,0,1",     "--json", "12/1", "7/0",      "40"},
                              true},
                    ParseCase{"NoDatabase", {"--docs", "d", "12"}, false},
                    ParseCase{"NoDocuments", {"--db", "h.db", "12"}, false},
                    ParseCase{"NoAssay", {"--db", "h.db", "--docs", "d"}, false},
                    ParseCase{"UnknownOption", {"--db", "h.db", "--docs", "d", "--colour", "red", "12"}, false},
                    ParseCase{"OptionWithoutValue", {"--db", "h.db", "--docs", "d", "12", "--k"}, false},
                    ParseCase{"TypeOutOfRange", {"--db", "h.db", "--docs", "d", "--type", "3", "12"}, false},
                    ParseCase{"NegativeChannel", {"--db", "h.db", "--docs", "d", "--channel", "-1", "12"}, false},
                    ParseCase{"CommaDecimal", {"--db", "h.db", "--docs", "d", "--k", "1,5", "12"}, false},
                    ParseCase{"NotANumber", {"--db", "h.db", "--docs", "d", "--alpha", "nan", "12"}, false},
                    ParseCase{"FlagNotZeroOrOne", {"--db", "h.db", "--docs", "d", "--flags", "1,2", "12"}, false},
                    ParseCase{"EmptyFlag", {"--db", "h.db", "--docs", "d", "--flags", "1,,0", "12"}, false},
                    ParseCase{"MarkNotZeroOrOne", {"--db", "h.db", "--docs", "d", "12/2"}, false},
                    ParseCase{"IdentifierWithText", {"--db", "h.db", "--docs", "d", "12abc"}, false},
                    ParseCase{"IdentifierTooLarge", {"--db", "h.db", "--docs", "d", "99999999999"}, false}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(CalcArguments, MarksAndFlagsAreKept) {
    const CalcOptionsResult result =
        ParseCalcOptions({"--db", "h.db", "--docs", "d", "--flags", "1,0", "12/1", "7/0", "40"});
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.options.assays.size(), 3u);
    EXPECT_EQ(result.options.assays[1].id, 7);
    EXPECT_EQ(result.options.assays[1].included, 0);
    EXPECT_EQ(result.options.assays[2].included, 1);
    EXPECT_EQ(result.options.flags, (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(result.options.k, 1.0);
    EXPECT_EQ(result.options.alpha, 0.0);
}

// A host data set: a calibration run with two standards (lg M = 8 - 0.5 T) and a sample whose
// chromatogram is 0, 1, 2, 1, 0 over 10 to 12 minutes.
class CalcProgram : public testing::Test {
protected:
    void SetUp() override {
        folder = FreshTestFolder("qc");
        LabDatabase db((folder / "host.db").string());
        std::vector<Channel> standards = {LabChannel(1, 8.0, 0.5, std::vector<float>(12, 0.0f))};
        standards[0].table = {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0), LabItem("X1", 13.0)};
        ASSERT_TRUE(WriteChromatogram(File("standards.chr"), standards));
        db.AddAssay(1, File("standards.chr"), "Стандарты", "GPC", true);
        ASSERT_TRUE(WriteChromatogram(File("sample.chr"), {LabChannel(1, 10.0, 0.5, {0, 1, 2, 1, 0})}));
        db.AddAssay(2, File("sample.chr"), "Образец \"A\"", "GPC");
        db.AddPeak(2, {"P", 11.0, 1, 10.0, 12.0});
        std::ofstream(folder / "CompsTableQuorvel.csv", std::ios::binary) << Cp1251Codec().FromUtf8(
            "№;Компонент;Имя компонента;Молярная масса\r\n1;PS-1;ПС 1000;1000.00\r\n2;PS-2;ПС 100;100.00\r\n");
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string File(const std::string& name) const { return (folder / name).string(); }

    // Runs the program; its standard output (or with errors its standard error), and its exit status
    // in status.
    std::string Run(const std::string& arguments, int& status, bool errors = false) const {
        const std::string command = std::string(QUORVEL_BIN_DIR) + "/quorvel-calc " + arguments +
                                    (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char buffer[4096];
        size_t got = 0;
        while (pipe && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
        const int raw = pipe ? pclose(pipe) : -1;
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return out;
    }
    std::string Standard() const { return "--db " + File("host.db") + " --docs " + folder.string() + " "; }

    fs::path folder;
};

TEST_F(CalcProgram, TextShowsPointsCoefficientsResultsAndMessages) {
    int status = -1;
    const std::string out = Run(Standard() + "1 2", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("[x] 1  Стандарты  (GPC, 1 channels)"), std::string::npos) << out;
    EXPECT_NE(out.find("[x]  1 / ПС 1000  10.00  1000.00\n"), std::string::npos) << out;
    EXPECT_NE(out.find("k1 = -0.5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Mn = 291.41"), std::string::npos) << out;
    EXPECT_NE(out.find("Mw = 343.156"), std::string::npos) << out;
    EXPECT_NE(out.find("Mz+1 = 450.299"), std::string::npos) << out;
    EXPECT_NE(out.find("Mp = 316.227766"), std::string::npos) << out;
    EXPECT_NE(out.find("message: В таблице компонентов не найден X1\n"), std::string::npos) << out;
}

TEST_F(CalcProgram, JsonCarriesTheSameNumbersExactly) {
    int status = -1;
    const std::string out = Run(Standard() + "--json --flags 1,1 1/1 2 99", status);
    ASSERT_EQ(status, 0);
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out;
    const QJsonArray assays = root["assays"].toArray();
    ASSERT_EQ(assays.size(), 2);
    EXPECT_EQ(assays[1].toObject()["sample"].toString(), QString("Образец \"A\""));
    EXPECT_EQ(assays[1].toObject()["channels"].toInt(), 1);
    const QJsonArray points = root["points"].toArray();
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[1].toObject()["row"].toArray()[2].toString(), QString("100.00"));
    EXPECT_EQ(points[1].toObject()["row"].toArray()[3].toString(), QString(""));
    EXPECT_TRUE(points[1].toObject()["used"].toBool());
    EXPECT_EQ(root["k"].toArray()[1].toDouble(), -0.5);
    EXPECT_NEAR(root["results"].toObject()["MwMn"].toDouble(), 343.16 / 291.41, 1e-4);
    EXPECT_EQ(root["plotted"].toObject()["x"].toArray().size(), 2);
    EXPECT_GT(root["curve"].toObject()["x"].toArray().size(), 10);
    EXPECT_EQ(root["messages"].toArray().size(), 1);
}

TEST_F(CalcProgram, UncheckedPointsAreNotFitted) {
    int status = -1;
    const std::string out = Run(Standard() + "--json --flags 0,1 1 2", status);
    ASSERT_EQ(status, 0);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_FALSE(root["points"].toArray()[0].toObject()["used"].toBool());
    EXPECT_EQ(root["plotted"].toObject()["x"].toArray().size(), 1);
    EXPECT_EQ(root["k"].toArray()[1].toDouble(), 0.0);  // one point: a constant
}

TEST_F(CalcProgram, TooLargeKIsRefusedAsTheWorkbenchRefusesIt) {
    int status = -1;
    const std::string out = Run(Standard() + "--type 2 --k 150 --alpha 0.5 1 2", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("message: Слишком большое K!\n"), std::string::npos) << out;
}

struct StatusCase {
    const char* name;
    const char* arguments;  // after the database and documents options, unless they are replaced
    bool replaceStandard;
    int status;
};

std::ostream& operator<<(std::ostream& out, const StatusCase& c) { return out << c.name; }

class CalcStatus : public CalcProgram, public testing::WithParamInterface<StatusCase> {};

TEST_P(CalcStatus, ExitStatusSaysWhatWentWrong) {
    int status = -1;
    const std::string arguments = GetParam().replaceStandard ? GetParam().arguments : Standard() + GetParam().arguments;
    Run(arguments, status);
    EXPECT_EQ(status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcStatus,
    testing::Values(StatusCase{"WrongArguments", "--type 9 1", false, 2},
                    StatusCase{"OnlyUnknownAssays", "98 99", false, 4},
                    StatusCase{"MissingDatabase", "--db /nonexistent/host.db --docs /tmp 1", true, 3},
                    StatusCase{"DatabaseNotARegularFile", "--db /dev/null --docs /tmp 1", true, 3}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST_F(CalcProgram, FileThatIsNoDatabaseFailsAsDatabase) {
    std::ofstream(File("text.db")) << "this is not a database, just some text long enough to be read as a header";
    int status = -1;
    Run("--db " + File("text.db") + " --docs " + folder.string() + " 1", status);
    EXPECT_EQ(status, 3);
}

TEST_F(CalcProgram, MissingComponentsFileCannotRun) {
    fs::remove(folder / "CompsTableQuorvel.csv");
    int status = -1;
    Run(Standard() + "1 2", status);
    EXPECT_EQ(status, 4);
    EXPECT_FALSE(fs::exists(folder / "CompsTableQuorvel.csv"));
}

TEST_F(CalcProgram, ReportIsWrittenWithThePictureBesideIt) {
    fs::copy_file(fs::path(QUORVEL_DOCS_DIR) / "gel.xsl", folder / "gel.xsl");
    int status = -1;
    Run(Standard() + "--report " + File("report.html") + " 1 2", status);
    ASSERT_EQ(status, 0);
    std::ifstream in(File("report.html"));
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("sample.chr"), std::string::npos);
    EXPECT_NE(html.find("291.4125"), std::string::npos);
    EXPECT_NE(html.find("report.png"), std::string::npos);
    EXPECT_GT(fs::file_size(File("report.png")), 1000u);
}

TEST_F(CalcProgram, ReportWithoutStylesheetFails) {
    int status = -1;
    const std::string out = Run(Standard() + "--report " + File("report.html") + " 1 2", status);
    EXPECT_EQ(status, 5);
    EXPECT_NE(out.find("Mn = 291.41"), std::string::npos);  // the results are printed all the same
    EXPECT_FALSE(fs::exists(File("report.html")));
}

struct ReportFailureCase {
    const char* name;
    std::string stylesheet;  // gel.xsl written to the documents folder; empty: none
    std::string reportName;  // inside the folder
    std::string error;  // standard error, FOLDER standing for the test folder
};

std::ostream& operator<<(std::ostream& out, const ReportFailureCase& c) { return out << c.name; }

class CalcReportFailure : public CalcProgram, public testing::WithParamInterface<ReportFailureCase> {};

TEST_P(CalcReportFailure, SaysWhyTheReportCouldNotBeWritten) {
    if (!GetParam().stylesheet.empty()) std::ofstream(folder / "gel.xsl") << GetParam().stylesheet;
    int status = -1;
    const std::string errors = Run(Standard() + "--report " + File(GetParam().reportName) + " 1 2", status, true);
    EXPECT_EQ(status, 5);
    std::string expected = GetParam().error;
    for (std::string::size_type at; (at = expected.find("FOLDER")) != std::string::npos;)
        expected.replace(at, 6, folder.string());
    EXPECT_NE(errors.find(expected), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcReportFailure,
    testing::Values(
        ReportFailureCase{"NoStylesheet", "", "report.html",
                          "quorvel-calc: the report FOLDER/report.html could not be written: Не удалось преобразовать "
                          "отчёт: the stylesheet FOLDER/gel.xsl cannot be read: No such file or directory\n"},
        ReportFailureCase{"StylesheetNotWellFormed", "<xsl:stylesheet", "report.html",
                          "could not be written: Не удалось преобразовать отчёт: the stylesheet FOLDER/gel.xsl is not "
                          "well-formed: "},
        ReportFailureCase{"ReportInMissingFolder",
                          "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"/>",
                          "missing/report.html",
                          "quorvel-calc: the report FOLDER/missing/report.html could not be written: Не удалось "
                          "записать файл FOLDER/missing/report.html: No such file or directory\n"}),
    [](const testing::TestParamInfo<ReportFailureCase>& info) { return std::string(info.param.name); });

TEST_F(CalcProgram, HelpDocumentsTheInterface) {
    int status = -1;
    const std::string out = Run("--help", status);
    EXPECT_EQ(status, 0);
    for (const char* option : {"--db", "--docs", "--type", "--dependence", "--channel", "--k", "--alpha", "--flags",
                               "--json", "--report", "Exit status"})
        EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
