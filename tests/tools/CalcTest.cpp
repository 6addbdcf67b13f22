// quorvel-calc: its arguments, and whole runs of the program on a small host data set.
#include "CalcOptions.h"
#include "CalcRun.h"
#include "LabData.h"
#include "base/FixedEnvironment.h"
#include "base/NumberText.h"
#include "components/Cp1251Codec.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

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
                              {"--db",       "h.db",      "--docs", "d",        "--type",   "2",       "--dependence",
                               "2",          "--channel", "1",      "--k",      "0.000141", "--alpha", "0.7",
                               "--flags",    "1,0,1",     "--json", "--report", "r.html",   "--csv",   "t.csv",
                               "--language", "1033",      "12/1",   "7/0",      "40"},
                              true},
                    ParseCase{"NoDatabase", {"--docs", "d", "12"}, false},
                    ParseCase{"NoDocuments", {"--db", "h.db", "12"}, false},
                    ParseCase{"NoAssay", {"--db", "h.db", "--docs", "d"}, false},
                    ParseCase{"UnknownOption", {"--db", "h.db", "--docs", "d", "--colour", "red", "12"}, false},
                    ParseCase{"OptionWithoutValue", {"--db", "h.db", "--docs", "d", "12", "--k"}, false},
                    ParseCase{"TableWithoutFile", {"--db", "h.db", "--docs", "d", "12", "--csv"}, false},
                    ParseCase{"TableWithEmptyName", {"--db", "h.db", "--docs", "d", "--csv", "", "12"}, false},
                    ParseCase{"TypeOutOfRange", {"--db", "h.db", "--docs", "d", "--type", "3", "12"}, false},
                    ParseCase{"NegativeChannel", {"--db", "h.db", "--docs", "d", "--channel", "-1", "12"}, false},
                    ParseCase{"CommaDecimal", {"--db", "h.db", "--docs", "d", "--k", "1,5", "12"}, false},
                    ParseCase{"NotANumber", {"--db", "h.db", "--docs", "d", "--alpha", "nan", "12"}, false},
                    ParseCase{"FlagNotZeroOrOne", {"--db", "h.db", "--docs", "d", "--flags", "1,2", "12"}, false},
                    ParseCase{"EmptyFlag", {"--db", "h.db", "--docs", "d", "--flags", "1,,0", "12"}, false},
                    ParseCase{"MarkNotZeroOrOne", {"--db", "h.db", "--docs", "d", "12/2"}, false},
                    ParseCase{"IdentifierWithText", {"--db", "h.db", "--docs", "d", "12abc"}, false},
                    ParseCase{"IdentifierTooLarge", {"--db", "h.db", "--docs", "d", "99999999999"}, false},
                    ParseCase{"LargestLanguage", {"--db", "h.db", "--docs", "d", "--language", "65535", "12"}, true},
                    ParseCase{
                        "LanguageBeyond16Bits", {"--db", "h.db", "--docs", "d", "--language", "65536", "12"}, false},
                    ParseCase{"NegativeLanguage", {"--db", "h.db", "--docs", "d", "--language", "-1", "12"}, false},
                    ParseCase{"LanguageByName", {"--db", "h.db", "--docs", "d", "--language", "en", "12"}, false},
                    ParseCase{"BroadMassInfinite", {"--db", "h.db", "--docs", "d", "--broad-mw", "inf", "12"}, false},
                    ParseCase{"StandardKWithoutValue", {"--db", "h.db", "--docs", "d", "12", "--standard-k"}, false}),
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
    EXPECT_EQ(result.options.language, 1049) << "the module's own language by default";
    EXPECT_EQ(ParseCalcOptions({"--db", "h.db", "--docs", "d", "--language", "1033", "12"}).options.language, 1033);
}

TEST(CalcArguments, StandardsValuesAreLeftOutUnlessGiven) {
    const CalcOptionsResult result = ParseCalcOptions(
        {"--db", "h.db", "--docs", "d", "--standard-k", "1.14e-4", "--broad-mn", "25000", "--broad-mw", "0", "12"});
    ASSERT_TRUE(result.ok) << result.description;
    EXPECT_EQ(result.options.standardK, 1.14e-4);
    EXPECT_FALSE(result.options.standardAlpha);
    EXPECT_EQ(result.options.broadMn, 25000.0);
    EXPECT_EQ(result.options.broadMw, 0.0);
    const CalcOptionsResult none = ParseCalcOptions({"--db", "h.db", "--docs", "d", "12"});
    EXPECT_FALSE(none.options.standardK || none.options.standardAlpha || none.options.broadMn || none.options.broadMw);
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

    // The same run inside this process: what the numeric core computed for the program's output.
    CalcOutcome Core(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--db", File("host.db"), "--docs", folder.string()});
        const CalcOptionsResult parsed = ParseCalcOptions(arguments);
        EXPECT_TRUE(parsed.ok) << parsed.description;
        return RunCalc(parsed.options, FixedEnvironment(folder.string(), File("host.db")));
    }

    // X1 at 13 min becomes a third standard of 40 g/mol, off the line of the other two (31.6 g/mol).
    void AddThirdStandard() const {
        std::ofstream(folder / "CompsTableQuorvel.csv", std::ios::binary) << Cp1251Codec().FromUtf8(
            "№;Компонент;Имя компонента;Молярная масса\r\n1;PS-1;ПС 1000;1000.00\r\n2;PS-2;ПС "
            "100;100.00\r\n3;X1;ПС 40;40.00\r\n");
    }

    fs::path folder;
};

// A JSON number as the double it reads back as; null for an empty optional.
void ExpectJson(const QJsonValue& value, const std::optional<double>& expected, const std::string& what) {
    if (!expected) {
        EXPECT_TRUE(value.isNull()) << what;
        return;
    }
    EXPECT_TRUE(value.isDouble()) << what;
    EXPECT_EQ(value.toDouble(), *expected) << what;
}

void ExpectJsonArray(const QJsonValue& value, const std::vector<double>& expected, const std::string& what) {
    const QJsonArray array = value.toArray();
    ASSERT_EQ(static_cast<size_t>(array.size()), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) ExpectJson(array[static_cast<int>(i)], expected[i], what);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The fields of one CSV line; a quoted field loses its quotes and its doubled quotes become one.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += line[i];
    }
    return fields;
}

double ParsedNumber(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The bytes of every picture a page carries as a data: URI, in page order; a URI that is not base64
// gives "".
std::vector<std::string> EmbeddedPictures(const std::string& page) {
    const std::string prefix = "src=\"data:image/png;base64,";
    std::vector<std::string> pictures;
    for (std::string::size_type at = page.find(prefix); at != std::string::npos; at = page.find(prefix, at + 1)) {
        const std::string::size_type start = at + prefix.size();
        const QByteArray text = QByteArray::fromStdString(page.substr(start, page.find('"', start) - start));
        const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        pictures.push_back(decoded ? decoded.decoded.toStdString() : std::string());
    }
    return pictures;
}

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
    EXPECT_GT(fs::file_size(File("report.png")), 1000u);
    EXPECT_GT(fs::file_size(File("report-distribution.png")), 1000u);
    EXPECT_EQ(html.find("file://"), std::string::npos) << "the page carries its pictures";
    EXPECT_EQ(EmbeddedPictures(html),
              (std::vector<std::string>{Contents(File("report.png")), Contents(File("report-distribution.png"))}));
}

struct LanguageCase {
    const char* name;
    std::string option;
    std::vector<std::string> shown;
    std::vector<std::string> absent;
};

std::ostream& operator<<(std::ostream& out, const LanguageCase& c) { return out << c.name; }

class CalcReportLanguage : public CalcProgram, public testing::WithParamInterface<LanguageCase> {};

TEST_P(CalcReportLanguage, FollowsTheOption) {
    fs::copy_file(fs::path(QUORVEL_DOCS_DIR) / "gel.xsl", folder / "gel.xsl");
    int status = -1;
    Run(Standard() + GetParam().option + "--report " + File("report.html") + " 1 2", status);
    ASSERT_EQ(status, 0);
    const std::string html = Contents(File("report.html"));
    for (const std::string& text : GetParam().shown) EXPECT_NE(html.find(text), std::string::npos) << text;
    for (const std::string& text : GetParam().absent) EXPECT_EQ(html.find(text), std::string::npos) << text;
    EXPECT_NE(html.find("Образец \"A\""), std::string::npos) << "the sample's name as it is stored";
}

INSTANTIATE_TEST_SUITE_P(Cases, CalcReportLanguage,
                         testing::Values(LanguageCase{"RussianByDefault",
                                                      "",
                                                      {"<html lang=\"ru\"", "Хроматограммы", "Результаты по образцам"},
                                                      {"Chromatograms"}},
                                         LanguageCase{"Russian",
                                                      "--language 1049 ",
                                                      {"<html lang=\"ru\"", "Хроматограммы", "Качество подгонки"},
                                                      {"Chromatograms"}},
                                         LanguageCase{"English",
                                                      "--language 1033 ",
                                                      {"<html lang=\"en\"", "Chromatograms", "Results of the samples",
                                                       "Quality of the fit"},
                                                      {"Хроматограммы", "Да", "Нет"}},
                                         LanguageCase{"GermanHostGetsRussian",
                                                      "--language 1031 ",
                                                      {"<html lang=\"ru\"", "Хроматограммы"},
                                                      {"Chromatograms"}}),
                         [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

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

// The standards run has no peaks; the sample is calculated with the line lg M = 8 - 0.5 T, and X1 makes
// a third, off-line point, so that every fit statistic has a value.
TEST_F(CalcProgram, JsonSamplesPointsAndFitAreTheNumericCoresValues) {
    AddThirdStandard();
    const CalcOutcome core = Core({"1", "2"});
    int status = -1;
    const std::string out = Run(Standard() + "--json 1 2", status);
    ASSERT_EQ(status, 0);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();

    const std::vector<AssayResults>& results = core.calibration->assayResults;
    const QJsonArray samples = root["samples"].toArray();
    ASSERT_EQ(results.size(), 1u);
    ASSERT_EQ(samples.size(), 1);
    const QJsonObject sample = samples[0].toObject();
    EXPECT_EQ(sample["id"].toInt(), 2);
    EXPECT_EQ(sample["sample"].toString(), QString("Образец \"A\""));
    EXPECT_EQ(sample["isCalibration"], QJsonValue(false));
    const MolarMassAverages& a = results[0].averages;
    const std::vector<std::pair<const char*, double>> averages = {{"Mn", a.Mn},
                                                                  {"Mw", a.Mw},
                                                                  {"MwMn", a.MwMn},
                                                                  {"Mz", a.Mz},
                                                                  {"Mz1", a.Mz1},
                                                                  {"Mp", a.Mp},
                                                                  {"outsideRange", results[0].outsideRange}};
    for (const auto& [key, value] : averages) ExpectJson(sample[key], value, key);
    const MolarMassDistribution& d = results[0].distribution;
    ExpectJsonArray(sample["mwd"].toObject()["lgM"], d.lgM, "lgM");
    ExpectJsonArray(sample["mwd"].toObject()["w"], d.w, "w");
    ExpectJsonArray(sample["mwd"].toObject()["cumulative"], d.cumulative, "cumulative");
    EXPECT_EQ(d.lgM.size(), 4u);

    const QJsonArray points = root["points"].toArray();
    ASSERT_EQ(points.size(), 3);
    for (int j = 0; j < 3; ++j) {
        const CalibrationPoint& point = core.calibration->calPoints[core.pass.rows[j].point];
        ExpectJson(points[j].toObject()["fitMolarMass"], point.curveMolarMass, "fitMolarMass");
        ExpectJson(points[j].toObject()["deviation"], point.deviation, "deviation");
    }
    // The least-squares line through (10, 3), (12, 2), (13, lg 40) gives 37.40 g/mol at 13 min.
    EXPECT_NEAR(points[2].toObject()["deviation"].toDouble(), -6.4939, 1e-4);

    const QJsonObject fit = root["fit"].toObject();
    EXPECT_EQ(fit["degree"].toInt(), 1);
    ExpectJson(fit["r2"], core.calibration->fitQuality.r2, "r2");
    ExpectJson(fit["stdError"], core.calibration->fitQuality.stdError, "stdError");
    // Its residuals 0.0146, -0.0437, 0.0292 give SSres 0.002976 and SStot 1.0375, one degree of freedom.
    EXPECT_NEAR(fit["r2"].toDouble(), 0.997132, 1e-6);
    EXPECT_NEAR(fit["stdError"].toDouble(), 0.054553, 1e-6);
}

// One used point: a constant, which neither varies nor leaves a degree of freedom.
TEST_F(CalcProgram, JsonGivesNullForAnUnusedPointAndAnUndefinedFit) {
    int status = -1;
    const std::string out = Run(Standard() + "--json --flags 0,1 1 2", status);
    ASSERT_EQ(status, 0);
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    const QJsonObject unused = root["points"].toArray()[0].toObject();
    EXPECT_TRUE(unused["fitMolarMass"].isNull());
    EXPECT_TRUE(unused["deviation"].isNull());
    const QJsonObject used = root["points"].toArray()[1].toObject();
    EXPECT_NEAR(used["fitMolarMass"].toDouble(), 100.0, 1e-9);
    EXPECT_NEAR(used["deviation"].toDouble(), 0.0, 1e-9);
    const QJsonObject fit = root["fit"].toObject();
    EXPECT_EQ(fit["degree"].toInt(), 0);
    EXPECT_TRUE(fit["r2"].isNull());
    EXPECT_TRUE(fit["stdError"].isNull());
}

TEST_F(CalcProgram, TextListsSamplesAndFitAfterTheMessages) {
    AddThirdStandard();
    const CalcOutcome core = Core({"1", "2"});
    int status = -1;
    const std::string out = Run(Standard() + "1 2", status);
    ASSERT_EQ(status, 0);
    const AssayResults& sample = core.calibration->assayResults.at(0);
    std::string row = "  2  Образец \"A\"";
    const MolarMassAverages& a = sample.averages;
    for (const double value : {a.Mn, a.Mw, a.MwMn, a.Mz, a.Mz1, a.Mp, sample.outsideRange})
        row += "  " + FormatGeneral(value, 15);
    const std::string expected =
        "Mp = " + FormatGeneral(a.Mp, 15) + "\nsamples: id  sample  Mn  Mw  Mw/Mn  Mz  Mz+1  Mp  outside range %\n" +
        row + "\nfit degree = 1\nfit R^2 = " + FormatGeneral(*core.calibration->fitQuality.r2, 15) +
        "\nfit standard error = " + FormatGeneral(*core.calibration->fitQuality.stdError, 15) + "\n";
    EXPECT_EQ(out.substr(out.size() - std::min(out.size(), expected.size())), expected) << out;
}

TEST_F(CalcProgram, TextSaysWhichFitStatisticIsUndefined) {
    int status = -1;
    const std::string out = Run(Standard() + "1 2", status);
    ASSERT_EQ(status, 0);
    EXPECT_NE(out.find("message: В таблице компонентов не найден X1\nsamples: "), std::string::npos) << out;
    EXPECT_NE(out.find("\nfit degree = 1\nfit R^2 = 1\nfit standard error = undefined\n"), std::string::npos) << out;
}

// The report makes the program a Qt application, which takes the comma locale of its environment.
TEST_F(CalcProgram, CsvHoldsTheSamplesTableWhateverTheLocale) {
    fs::copy_file(fs::path(QUORVEL_DOCS_DIR) / "gel.xsl", folder / "gel.xsl");
    const CalcOutcome core = Core({"1", "2"});
    int status = -1;
    const char* locale = std::getenv("LC_ALL");
    const std::optional<std::string> before = locale ? std::optional<std::string>(locale) : std::nullopt;
    ASSERT_EQ(setenv("LC_ALL", "ru_RU.UTF-8", 1), 0);
    const std::string out = Run(Standard() + "--report " + File("r.html") + " --csv " + File("t.csv") + " 1 2", status);
    if (before)
        setenv("LC_ALL", before->c_str(), 1);
    else
        unsetenv("LC_ALL");
    ASSERT_EQ(status, 0);
    int plainStatus = -1;
    EXPECT_EQ(out, Run(Standard() + "1 2", plainStatus));
    const std::vector<std::string> lines = Lines(Contents(File("t.csv")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "id,sample,Mn,Mw,MwMn,Mz,Mz1,Mp,outsideRange");
    const std::string quotedName = "2,\"Образец \"\"A\"\"\",";
    EXPECT_EQ(lines[1].substr(0, quotedName.size()), quotedName);
    const std::vector<std::string> fields = CsvFields(lines[1]);
    ASSERT_EQ(fields.size(), 9u);
    EXPECT_EQ(fields[1], "Образец \"A\"");
    const AssayResults& sample = core.calibration->assayResults.at(0);
    const MolarMassAverages& a = sample.averages;
    const std::vector<double> values = {a.Mn, a.Mw, a.MwMn, a.Mz, a.Mz1, a.Mp, sample.outsideRange};
    for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(ParsedNumber(fields[i + 2]), values[i]) << fields[i + 2];
}

TEST_F(CalcProgram, CsvWithoutCalculatedSampleHoldsTheHeader) {
    int status = -1;
    Run(Standard() + "--csv " + File("t.csv") + " 1", status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(Contents(File("t.csv")), "id,sample,Mn,Mw,MwMn,Mz,Mz1,Mp,outsideRange\n");
}

struct TableFailureCase {
    const char* name;
    std::string tableName;  // inside the test folder
    std::string reason;
};

std::ostream& operator<<(std::ostream& out, const TableFailureCase& c) { return out << c.name; }

class CalcTableFailure : public CalcProgram, public testing::WithParamInterface<TableFailureCase> {};

TEST_P(CalcTableFailure, SaysWhyAndStillPrintsTheResults) {
    int status = -1;
    const std::string arguments = Standard() + "--csv " + File(GetParam().tableName) + " 1 2";
    const std::string errors = Run(arguments, status, true);
    EXPECT_EQ(status, 6);
    EXPECT_EQ(errors, "quorvel-calc: the samples table " + File(GetParam().tableName) +
                          " could not be written: " + GetParam().reason + "\n");
    EXPECT_NE(Run(arguments, status).find("Mn = 291.41"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcTableFailure,
    testing::Values(TableFailureCase{"MissingFolder", "missing/t.csv", "No such file or directory"},
                    TableFailureCase{"Folder", "", "Is a directory"}),
    [](const testing::TestParamInfo<TableFailureCase>& info) { return std::string(info.param.name); });

TEST_F(CalcProgram, ReportFailureComesFirstWhenTheTableFailsToo) {
    int status = -1;
    const std::string errors =
        Run(Standard() + "--report " + File("r.html") + " --csv " + File("missing/t.csv") + " 1 2", status, true);
    EXPECT_EQ(status, 5);
    EXPECT_NE(errors.find("quorvel-calc: the report "), std::string::npos) << errors;
    EXPECT_NE(errors.find("quorvel-calc: the samples table "), std::string::npos) << errors;
}

// Assay 3, the sample's chromatogram marked as a calibration run, is the broad standard: slices 0, 1, 2, 1.
TEST_F(CalcProgram, BroadStandardGivesEveryAssayItsAveragesOrSaysWhyNot) {
    LabDatabase db(File("host.db"));
    db.AddAssay(3, File("sample.chr"), "Широкий ПС", "GPC", true);
    db.AddPeak(3, {"B", 11.0, 1, 10.0, 12.0});
    const CalcOutcome outcome = Core({"--type", "1", "--broad-mn", "1000", "--broad-mw", "1100", "3", "2"});
    EXPECT_TRUE(outcome.messages->texts.empty());
    const std::vector<AssayResults>& samples = outcome.calibration->assayResults;
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_NEAR(samples[0].averages.Mn, 1000.0, 1e-6 * 1000.0);
    EXPECT_NEAR(samples[0].averages.Mw, 1100.0, 1e-6 * 1100.0);
    EXPECT_LT(outcome.state.results.k1, 0.0);

    int status = -1;
    const std::string out = Run(Standard() + "--type 1 --broad-mn 1000 3 2", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("message: Задайте Mn и Mw широкого стандарта.\n"), std::string::npos) << out;
    const std::string withoutStandard = Run(Standard() + "--type 1 --broad-mn 1000 --broad-mw 1100 2", status);
    EXPECT_NE(withoutStandard.find("message: Нет широкого стандарта"), std::string::npos) << withoutStandard;
}

TEST_F(CalcProgram, HelpDocumentsTheInterface) {
    int status = -1;
    const std::string out = Run("--help", status);
    EXPECT_EQ(status, 0);
    for (const char* option :
         {"--db", "--docs", "--type", "--dependence", "--channel", "--k", "--alpha", "--flags", "--json", "--report",
          "--csv", "--language", "--standard-k", "--standard-alpha", "--broad-mn", "--broad-mw", "Exit status"})
        EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
