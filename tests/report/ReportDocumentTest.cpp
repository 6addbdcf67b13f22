// The report document built from a prepared workbench state: its sections in order, the texts and
// number formats, and the chart picture drawn for it.
#include "CommaLocale.h"
#include "ReportTestSupport.h"
#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace {

// Local time three hours east of UTC, without needing the time zone database.
class MoscowTime {
public:
    MoscowTime() : zone("TZ", std::string("MSK-3")) { tzset(); }
    ~MoscowTime() { tzset(); }

private:
    ScopedEnvironment zone;
};

constexpr int64_t kNov14th2023 = 1700000000;  // 2023-11-14 22:13:20 UTC

class ReportDocument : public testing::Test {
protected:
    void SetUp() override {
        report.assays = {ListedAssay(1, "/data/assays/ps1000.chr", "ГПХ ТГФ", kNov14th2023),
                         ListedAssay(0, "/data/assays/excluded.chr", "ГПХ ТГФ", kNov14th2023 + 3600)};
        report.assays[0].sample = "Стандарты ПС";
        report.rows = {PointsListRow{{"1 / ПС 1000", "10.00", "1000.00", "", ""}, true, 0, {"926.12", "-7.39"}},
                       PointsListRow{{"1 / ПС 100", "12.00", "100.00", "", ""}, false}};
        CCalibration& c = report.calibration;
        c.GradIndex = c.usedGradIndex = CCalibration::kMonodisperse;
        c.FormulaIndex = c.usedFormulaIndex = 0;
        c.results.k0 = 8.0;
        c.results.k1 = -0.5;
        c.results.Mn = 1234.56789;
        c.results.Mw = 2345.6;
        c.results.MwMn = 1.9;
        c.results.Mz = 3000.0;
        c.results.Mz1 = 1e6 / 3;
        c.results.Mp = 0.00005;
    }

    // Lines of the outline that start with prefix.
    std::vector<std::string> Lines(const std::vector<std::string>& outline, const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : outline)
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        return found;
    }

    MoscowTime moscow;
    TempFolder folder;
    PreparedReport report;
};

TEST_F(ReportDocument, HoldsEverySectionInOrder) {
    const std::string picture = folder / "graph.png";
    EXPECT_EQ(report.DocumentOutline(picture), (std::vector<std::string>{
                                                   "files",
                                                   "files/fill_data",
                                                   "files/fill_data/name:i4=1",
                                                   "files/fill_data/name:string=Да",
                                                   "files/fill_data/name:string=/data/assays/ps1000.chr",
                                                   "files/fill_data/name:string=ГПХ ТГФ",
                                                   "files/fill_data/analyse_time:string=15.11.23  01:13",
                                                   "files/fill_data/sample:string=Стандарты ПС",
                                                   "files/fill_data",
                                                   "files/fill_data/name:i4=2",
                                                   "files/fill_data/name:string=Нет",
                                                   "files/fill_data/name:string=/data/assays/excluded.chr",
                                                   "files/fill_data/name:string=ГПХ ТГФ",
                                                   "files/fill_data/analyse_time:string=15.11.23  02:13",
                                                   "files/fill_data/sample:string=",
                                                   "grad_string:string=Монодисперсный",
                                                   "dependence_string:string=Y = k1*T + k0",
                                                   "calc_table",
                                                   "calc_table/fill_data",
                                                   "calc_table/fill_data/name:i4=1",
                                                   "calc_table/fill_data/name:string=Да",
                                                   "calc_table/fill_data/name:string=1 / ПС 1000",
                                                   "calc_table/fill_data/name:string=10.00",
                                                   "calc_table/fill_data/name:string=1000.00",
                                                   "calc_table/fill_data/name:string=",
                                                   "calc_table/fill_data/name:string=",
                                                   "calc_table/fill_data/fit_molar_mass:string=926.12",
                                                   "calc_table/fill_data/deviation:string=-7.39",
                                                   "calc_table/fill_data",
                                                   "calc_table/fill_data/name:i4=2",
                                                   "calc_table/fill_data/name:string=Нет",
                                                   "calc_table/fill_data/name:string=1 / ПС 100",
                                                   "calc_table/fill_data/name:string=12.00",
                                                   "calc_table/fill_data/name:string=100.00",
                                                   "calc_table/fill_data/name:string=",
                                                   "calc_table/fill_data/name:string=",
                                                   "calc_table/fill_data/fit_molar_mass:string=",
                                                   "calc_table/fill_data/deviation:string=",
                                                   "k0:string=8",
                                                   "k1:string=-0.5",
                                                   "k2:string=0",
                                                   "k3:string=0",
                                                   "graph",
                                                   "graph/header",
                                                   "graph/header/label:string=График",
                                                   "graph/path:string=file://" + picture,
                                                   "graph/data_uri:string=data:image/png;base64,cGljdHVyZQ==",
                                                   "Mn:string=1234.5679",
                                                   "Mw:string=2345.6000",
                                                   "MwMn:string=1.9000",
                                                   "Mz:string=3000.0000",
                                                   "Mz1:string=333333.3333",
                                                   "Mp:string=0.0001",
                                                   "language:i4=1049",
                                                   "fit",
                                                   "fit/degree:i4=-1",
                                                   "fit/r2:string=",
                                                   "fit/std_error:string=",
                                                   "samples",
                                               }));
    EXPECT_EQ(report.platform.pictures, std::vector<std::string>{picture});
    EXPECT_EQ(report.platform.sizes.at(0).cx, 1000);
    EXPECT_EQ(report.platform.sizes.at(0).cy, 600);
}

TEST_F(ReportDocument, WithoutAssaysHasNoFilesAndAnEmptyTable) {
    report.assays.clear();
    report.rows.clear();
    const auto outline = report.DocumentOutline(folder / "graph.png");
    ASSERT_GE(outline.size(), 4u);
    EXPECT_EQ(outline[0], "grad_string:string=Монодисперсный");
    EXPECT_EQ(outline[2], "calc_table");
    EXPECT_EQ(outline[3], "k0:string=8");
    EXPECT_TRUE(Lines(outline, "files").empty());
}

TEST_F(ReportDocument, UniversalRowsKeepAllFiveTexts) {
    report.rows = {PointsListRow{{"2 / ПС 1000", "10.00", "1000.00", "0.000114", "0.716"}, true}};
    EXPECT_EQ(Lines(report.DocumentOutline(folder / "graph.png"), "calc_table/fill_data/name"),
              (std::vector<std::string>{
                  "calc_table/fill_data/name:i4=1", "calc_table/fill_data/name:string=Да",
                  "calc_table/fill_data/name:string=2 / ПС 1000", "calc_table/fill_data/name:string=10.00",
                  "calc_table/fill_data/name:string=1000.00", "calc_table/fill_data/name:string=0.000114",
                  "calc_table/fill_data/name:string=0.716"}));
}

TEST_F(ReportDocument, PictureNotSavedLeavesGraphOut) {
    report.platform.saves = false;
    const auto outline = report.DocumentOutline(folder / "graph.png");
    EXPECT_TRUE(Lines(outline, "graph").empty());
    EXPECT_EQ(Lines(outline, "Mp"), std::vector<std::string>{"Mp:string=0.0001"});
}

TEST_F(ReportDocument, NumbersKeepThePointUnderACommaLocale) {
    CommaLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no comma-decimal locale installed";
    report.calibration.results.k1 = -0.5000609;
    EXPECT_EQ(Lines(report.DocumentOutline(folder / "graph.png"), "k1"),
              std::vector<std::string>{"k1:string=-0.5000609"});
}

// A cubic calibration worked out by hand over 13 to 19 min: lg M 6.3, 4.6 and 2.7 at 13, 16 and 19 min
// with k3 = -0.0025532. Printed with four decimals it put M 22 to 54 % off; the printed coefficients
// must read back as the calibration and give M within 1e-6 over those times.
TEST_F(ReportDocument, CoefficientsReadBackAsTheCalibration) {
    struct Coefficient {
        const char* name;
        double value;
        const char* text;
    };
    const Coefficient coefficients[] = {{"k0", 21.445801955555556, "21.44580196"},
                                        {"k1", -2.1823232444444445, "-2.182323244"},
                                        {"k2", 0.11144248888888889, "0.1114424889"},
                                        {"k3", -0.0025532, "-0.0025532"}};
    CalibrationResults& c = report.calibration.results;
    c.k0 = coefficients[0].value;
    c.k1 = coefficients[1].value;
    c.k2 = coefficients[2].value;
    c.k3 = coefficients[3].value;
    const auto outline = report.DocumentOutline(folder / "graph.png");
    double printed[4];
    for (int i = 0; i < 4; ++i) {
        const Coefficient& k = coefficients[i];
        SCOPED_TRACE(k.name);
        const std::vector<std::string> lines = Lines(outline, std::string(k.name) + ":");
        ASSERT_EQ(lines.size(), 1u);
        const std::string text = lines[0].substr(lines[0].find('=') + 1);
        EXPECT_EQ(text, k.text);
        const std::optional<double> read = ParseWholeDouble(text);
        ASSERT_TRUE(read.has_value()) << text;
        printed[i] = *read;
        EXPECT_NEAR(printed[i] / k.value, 1.0, 1e-9);
    }
    const auto lgM = [](const double k[4], double t) { return ((k[3] * t + k[2]) * t + k[1]) * t + k[0]; };
    const double exact[] = {c.k0, c.k1, c.k2, c.k3};
    for (double t = 13.0; t <= 19.0; t += 0.5)
        EXPECT_NEAR(std::pow(10.0, lgM(printed, t) - lgM(exact, t)), 1.0, 1e-6) << t;
}

TEST_F(ReportDocument, NonFiniteResultsAreWrittenAsWords) {
    report.calibration.results.k1 = std::numeric_limits<double>::infinity();
    report.calibration.results.Mn = std::numeric_limits<double>::quiet_NaN();
    const auto outline = report.DocumentOutline(folder / "graph.png");
    EXPECT_EQ(Lines(outline, "k1"), std::vector<std::string>{"k1:string=inf"});
    EXPECT_EQ(Lines(outline, "Mn"), std::vector<std::string>{"Mn:string=nan"});
}

TEST_F(ReportDocument, PictureUrlEscapesWhatAUrlCannotHold) {
    const std::string picture = folder / "a b#1%Ж.png";
    EXPECT_EQ(
        Lines(report.DocumentOutline(picture), "graph/path"),
        std::vector<std::string>{"graph/path:string=file://" + folder.Path().string() + "/a%20b%231%25%D0%96.png"});
}

// The hand-worked run: its fit, every calculated assay's row in the calibration's assay order, and the
// last one's distribution beside the calibration picture.
TEST_F(ReportDocument, CarriesTheFitEverySampleAndTheLastDistribution) {
    SetCalculatedRun(report, "Стандарты ПС", "ПС широкий");
    const std::string picture = folder / "graph.png";
    const auto outline = report.DocumentOutline(picture);
    EXPECT_EQ(Lines(outline, "calc_table/fill_data/fit_molar_mass"),
              (std::vector<std::string>{"calc_table/fill_data/fit_molar_mass:string=926.12",
                                        "calc_table/fill_data/fit_molar_mass:string=292.86",
                                        "calc_table/fill_data/fit_molar_mass:string=92.61"}));
    EXPECT_EQ(Lines(outline, "calc_table/fill_data/deviation"),
              (std::vector<std::string>{"calc_table/fill_data/deviation:string=-7.39",
                                        "calc_table/fill_data/deviation:string=16.59",
                                        "calc_table/fill_data/deviation:string=-7.39"}));
    EXPECT_EQ(Lines(outline, "files/fill_data/sample"),
              (std::vector<std::string>{"files/fill_data/sample:string=Стандарты ПС",
                                        "files/fill_data/sample:string=ПС широкий"}));
    EXPECT_EQ(Lines(outline, "fit"), (std::vector<std::string>{"fit", "fit/degree:i4=1", "fit/r2:string=0.986842",
                                                               "fit/std_error:string=0.08165"}));
    EXPECT_EQ(Lines(outline, "samples"), (std::vector<std::string>{
                                             "samples",
                                             "samples/fill_data",
                                             "samples/fill_data/assay:i4=1",
                                             "samples/fill_data/file:string=standards.chr",
                                             "samples/fill_data/sample:string=Стандарты ПС",
                                             "samples/fill_data/Mn:string=251.189",
                                             "samples/fill_data/Mw:string=398.107",
                                             "samples/fill_data/MwMn:string=1.58489",
                                             "samples/fill_data/Mz:string=501.187",
                                             "samples/fill_data/Mz1:string=630.957",
                                             "samples/fill_data/Mp:string=316.228",
                                             "samples/fill_data/outside_range:string=0.00",
                                             "samples/fill_data/outside_marked:string=Нет",
                                             "samples/fill_data",
                                             "samples/fill_data/assay:i4=2",
                                             "samples/fill_data/file:string=broad.chr",
                                             "samples/fill_data/sample:string=ПС широкий",
                                             "samples/fill_data/Mn:string=25228.6",
                                             "samples/fill_data/Mw:string=52111.1",
                                             "samples/fill_data/MwMn:string=2.06550",
                                             "samples/fill_data/Mz:string=80000.0",
                                             "samples/fill_data/Mz1:string=120000",
                                             "samples/fill_data/Mp:string=45000.5",
                                             "samples/fill_data/outside_range:string=1.50",
                                             "samples/fill_data/outside_marked:string=Да",
                                         }));
    const std::string distribution = folder / "graph-distribution.png";
    EXPECT_EQ(Lines(outline, "distribution_graph"),
              (std::vector<std::string>{
                  "distribution_graph",
                  "distribution_graph/header",
                  "distribution_graph/header/label:string=Молекулярно-массовое распределение",
                  "distribution_graph/path:string=file://" + distribution,
                  "distribution_graph/data_uri:string=data:image/png;base64,cGljdHVyZQ==",
                  "distribution_graph/assay:i4=2",
                  "distribution_graph/file:string=broad.chr",
                  "distribution_graph/sample:string=ПС широкий",
              }));
    EXPECT_EQ(report.platform.pictures, (std::vector<std::string>{picture, distribution}));
    EXPECT_EQ(report.platform.sizes.at(1).cx, 1000);
    EXPECT_EQ(report.platform.sizes.at(1).cy, 600);
}

TEST_F(ReportDocument, DistributionPictureDrawsBothCurvesWithTheirCaptions) {
    SetCalculatedRun(report, "Стандарты ПС", "ПС широкий");
    report.DocumentOutline(folder / "graph.png");
    const RecordingCanvas& canvas = report.platform.canvas;  // the last picture drawn
    const auto texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "LG(MM)"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "dW/dLG(MM), W"), texts.end());
    EXPECT_EQ(canvas.Lines(0xFF0000).size(), 2u) << "the blue differential: two segments over three slices";
    EXPECT_EQ(canvas.Lines(0x008000).size(), 2u) << "the green cumulative";
    const std::vector<std::string> xLabels = canvas.TextsAligned(AlignCenter | AlignTop);
    ASSERT_FALSE(xLabels.empty());
    EXPECT_EQ(xLabels.front(), "3.5") << "lg M of the second sample, not of the first";
}

TEST_F(ReportDocument, PicturesNotSavedLeaveBothGraphsOut) {
    SetCalculatedRun(report, "Стандарты ПС", "ПС широкий");
    report.platform.saves = false;
    const auto outline = report.DocumentOutline(folder / "graph.png");
    EXPECT_TRUE(Lines(outline, "graph").empty());
    EXPECT_TRUE(Lines(outline, "distribution_graph").empty());
    EXPECT_EQ(report.platform.pictures.size(), 2u);
    EXPECT_EQ(Lines(outline, "samples/fill_data/assay").size(), 2u);
}

TEST_F(ReportDocument, EnglishHostMarksTheDocumentAndCaptionsTheChartInEnglish) {
    PreparedReport english(EnglishHost());
    english.calibration = report.calibration;
    const auto outline = english.DocumentOutline(folder / "graph.png");
    EXPECT_EQ(Lines(outline, "language"), std::vector<std::string>{"language:i4=1033"});
    EXPECT_EQ(Lines(outline, "graph/header/label"), std::vector<std::string>{"graph/header/label:string=График"})
        << "the document's own texts stay as they are";
    const auto texts = english.platform.canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Time [min]"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Время [мин]"), texts.end());
}

struct ChosenCase {
    const char* name;
    int32_t distributionSample;
    const char* assay;  // the distribution_graph/assay line
};

std::ostream& operator<<(std::ostream& out, const ChosenCase& c) { return out << c.name; }

class ReportDistributionSample : public testing::TestWithParam<ChosenCase> {};

// -1 and any index that names no calculated assay take the last one.
TEST_P(ReportDistributionSample, IsTheChosenOneOrTheLast) {
    TempFolder folder;
    PreparedReport report;
    SetCalculatedRun(report, "standards", "broad");
    report.builder.distributionSample = GetParam().distributionSample;
    const auto outline = report.DocumentOutline(folder / "graph.png");
    std::vector<std::string> assay;
    for (const std::string& line : outline)
        if (line.rfind("distribution_graph/assay", 0) == 0) assay.push_back(line);
    EXPECT_EQ(assay, std::vector<std::string>{GetParam().assay});
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportDistributionSample,
                         testing::Values(ChosenCase{"Last", -1, "distribution_graph/assay:i4=2"},
                                         ChosenCase{"First", 0, "distribution_graph/assay:i4=1"},
                                         ChosenCase{"Second", 1, "distribution_graph/assay:i4=2"},
                                         ChosenCase{"PastTheEnd", 2, "distribution_graph/assay:i4=2"},
                                         ChosenCase{"Negative", -5, "distribution_graph/assay:i4=2"}),
                         [](const testing::TestParamInfo<ChosenCase>& info) { return std::string(info.param.name); });

struct TypeCase {
    const char* name;
    int32_t usedGradIndex;
    int32_t usedFormulaIndex;
    const char* grad;
    const char* dependence;
};

std::ostream& operator<<(std::ostream& out, const TypeCase& c) { return out << c.name; }

class ReportTypeTexts : public testing::TestWithParam<TypeCase> {};

// The texts follow the type and dependence of the last run, not the current selection.
TEST_P(ReportTypeTexts, FollowTheLastRun) {
    TempFolder folder;
    PreparedReport report;
    report.calibration.GradIndex = 1 - GetParam().usedGradIndex;
    report.calibration.FormulaIndex = 1 - GetParam().usedFormulaIndex;
    report.calibration.usedGradIndex = GetParam().usedGradIndex;
    report.calibration.usedFormulaIndex = GetParam().usedFormulaIndex;
    const auto outline = report.DocumentOutline(folder / "graph.png");
    ASSERT_GE(outline.size(), 2u);
    EXPECT_EQ(outline[0], std::string("grad_string:string=") + GetParam().grad);
    EXPECT_EQ(outline[1], std::string("dependence_string:string=") + GetParam().dependence);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportTypeTexts,
    testing::Values(TypeCase{"MonodisperseLinear", 0, 0, "Монодисперсный", "Y = k1*T + k0"},
                    TypeCase{"PolydisperseQuadratic", 1, 1, "", "Y = k2*T^2 + k1*T + k0"},
                    TypeCase{"UniversalCubic", 2, 2, "Универсальный", "Y = k3*T^3 + k2*T^2 + k1*T + k0"},
                    TypeCase{"NothingSelected", -1, -1, "", ""}, TypeCase{"OutOfRange", 3, 3, "", ""}),
    [](const testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.name); });

struct DateCase {
    const char* name;
    int64_t date;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const DateCase& c) { return out << c.name; }

class ReportDates : public testing::TestWithParam<DateCase> {};

TEST_P(ReportDates, AreLocalTimeOrDashes) {
    MoscowTime moscow;
    TempFolder folder;
    PreparedReport report;
    report.assays = {ListedAssay(1, "a.chr", "m", GetParam().date)};
    const auto outline = report.DocumentOutline(folder / "graph.png");
    ASSERT_GE(outline.size(), 7u);
    EXPECT_EQ(outline[6], std::string("files/fill_data/analyse_time:string=") + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportDates,
    testing::Values(DateCase{"Evening", kNov14th2023, "15.11.23  01:13"}, DateCase{"Epoch", 0, "01.01.70  03:00"},
                    DateCase{"BeforeEpoch", -86400, "31.12.69  03:00"},
                    DateCase{"Year2100", 4102444800, "01.01.00  03:00"},
                    DateCase{"LargestDate", std::numeric_limits<int64_t>::max(), "--.--.--  --:--"},
                    DateCase{"SmallestDate", std::numeric_limits<int64_t>::min(), "--.--.--  --:--"}),
    [](const testing::TestParamInfo<DateCase>& info) { return std::string(info.param.name); });

TEST_F(ReportDocument, ChartShowsCurveAndPointsWithTheirCaptions) {
    report.calibration.curveX = {5.0, 10.0, 15.0};
    report.calibration.curveY = {5.5, 3.0, 0.5};
    report.calibration.pointX = {10.0, 12.0};
    report.calibration.pointY = {3.0, 2.0};
    report.DocumentOutline(folder / "graph.png");
    const RecordingCanvas& canvas = report.platform.canvas;
    const auto texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Время [мин]"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "LG(MM)"), texts.end());
    EXPECT_FALSE(canvas.Lines(0x0000FF).empty()) << "the red curve";
    EXPECT_EQ(canvas.Lines(0xFF0000).size(), 4u) << "two blue diagonal crosses";
    EXPECT_TRUE(canvas.Ops("Copy").empty()) << "drawn straight onto the picture";
}

TEST_F(ReportDocument, ChartOfTheUniversalTypeAndOfAnEmptyCalibration) {
    report.calibration.GradIndex = CCalibration::kUniversal;
    report.calibration.curveX = {5.0, 10.0};
    report.calibration.curveY = {5.5, 3.0};
    report.DocumentOutline(folder / "graph.png");
    const RecordingCanvas& canvas = report.platform.canvas;
    const auto texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "LG(K*MM^ALPHA*MM)"), texts.end());
    EXPECT_TRUE(canvas.Lines(0x0000FF).empty()) << "no points, so neither series is shown";
    const std::vector<std::string> xLabels = canvas.TextsAligned(AlignCenter | AlignTop);
    const std::vector<std::string> yLabels = canvas.TextsAligned(AlignRight | AlignBaseline);
    ASSERT_FALSE(xLabels.empty() || yLabels.empty()) << "empty axes";
    EXPECT_EQ(xLabels.front(), "0");
    EXPECT_EQ(xLabels.back(), "30");
    EXPECT_EQ(yLabels.front(), "0");
    EXPECT_EQ(yLabels.back(), "10");
}

}  // namespace
