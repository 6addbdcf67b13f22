// The workbench's decisions without a window: sequences of user operations, each checked against what
// a user must see afterwards and against a fresh calculation of the state it leaves.
#include "LabDatabaseTest.h"
#include "StandardsLab.h"
#include "base/FixedEnvironment.h"
#include "base/NumberText.h"
#include "gpc/CoefficientTexts.h"
#include "workbench/Workbench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using Operation = std::function<void(Workbench&)>;

// Types text into K or Alpha one character at a time, as the edit reports it.
Operation TypeK(const std::string& text) {
    return [text](Workbench& w) {
        for (size_t n = 1; n <= text.size(); ++n) w.TypeK(text.substr(0, n));
    };
}
Operation TypeAlpha(const std::string& text) {
    return [text](Workbench& w) {
        for (size_t n = 1; n <= text.size(); ++n) w.TypeAlpha(text.substr(0, n));
    };
}
// Types into one of the standards' edits one key at a time, then leaves it.
Operation TypeAndLeave(void (Workbench::*type)(const std::string&), void (Workbench::*finish)(),
                       const std::string& text) {
    return [=](Workbench& w) {
        for (size_t n = 0; n <= text.size(); ++n) (w.*type)(text.substr(0, n));
        (w.*finish)();
    };
}
Operation StandardK(const std::string& text) {
    return TypeAndLeave(&Workbench::TypeStandardK, &Workbench::FinishStandardK, text);
}
Operation StandardAlpha(const std::string& text) {
    return TypeAndLeave(&Workbench::TypeStandardAlpha, &Workbench::FinishStandardAlpha, text);
}
Operation BroadMn(const std::string& text) {
    return TypeAndLeave(&Workbench::TypeBroadMn, &Workbench::FinishBroadMn, text);
}
Operation BroadMw(const std::string& text) {
    return TypeAndLeave(&Workbench::TypeBroadMw, &Workbench::FinishBroadMw, text);
}
Operation Include(int32_t row) {
    return [row](Workbench& w) { w.SetIncluded(row, true); };
}
Operation Exclude(int32_t row) {
    return [row](Workbench& w) { w.SetIncluded(row, false); };
}
Operation Type(int32_t index) {
    return [index](Workbench& w) { w.ChooseType(index); };
}
Operation Dependence(int32_t index) {
    return [index](Workbench& w) { w.ChooseDependence(index); };
}
Operation ChooseChannel(int32_t index) {
    return [index](Workbench& w) { w.ChooseChannel(index); };
}
Operation DropPoint(int32_t row) {
    return [row](Workbench& w) { w.SetPointUsed(row, false); };
}
const Operation kDeleteAll = [](Workbench& w) { w.DeleteAllAssays(); };
const Operation kDeleteSample = [](Workbench& w) { w.DeleteAssays({2}); };
const Operation kFinishK = [](Workbench& w) { w.FinishK(); };
// Lists the broad standard (row 2) and includes it.
const Operation kBroadStandard = [](Workbench& w) {
    EXPECT_TRUE(w.AddAssays({9}));
    w.SetIncluded(2, true);
};

// A standards run (three named standards on channel 0, two channels) and a sample with one peak; assay 9,
// not listed at the start, a broad standard run (slices 0, 1, 2, 1 at 10 to 11.5 min).
class WorkbenchTest : public LabDatabaseTest {
protected:
    void SetUp() override {
        LabDatabaseTest::SetUp();
        WriteStandardsLab(folder, *database, 2);
        WriteChromatogram(File("b.chr"), {LabChannel(1, 10.0, 0.5, {0, 1, 2, 1, 0})});
        database->AddAssay(9, File("b.chr"), "Широкий ПС", "GPC", true);
        database->AddPeak(9, {"B", 11.0, 1, 10.0, 12.0});
        environment.documentsFolder = folder.string();
        environment.databaseLocation = DatabasePath();
    }

    // Starts w as on a first showing (an empty profile), then lists both assays, none included.
    static void StartWithBothAssays(Workbench& w) {
        w.State().GradIndex = 404;
        w.State().FormulaIndex = 404;
        w.Start({});
        EXPECT_TRUE(w.AddAssays({1, 2}));
    }
    // A started workbench with the standards and the sample included.
    Workbench& Calibrated() {
        StartWithBothAssays(workbench);
        workbench.SetIncluded(0, true);
        workbench.SetIncluded(1, true);
        return workbench;
    }

    FixedEnvironment environment{std::nullopt, std::nullopt};
    RecordingMessageSink messages;
    Workbench workbench{environment, messages};
};

// What the view must show for the state the workbench holds: a pass run afresh on a copy of it.
void ExpectViewOfAFreshPass(const Workbench& workbench, const ModuleEnvironment& environment) {
    WorkbenchState state = workbench.State();
    CCalibration calibration;
    ComponentsTable components;
    RecordingMessageSink quiet;
    const PassResult fresh = Recalculate(environment, state, components, calibration, quiet);
    const WorkbenchView& view = workbench.View();
    ASSERT_EQ(view.points.size(), fresh.rows.size());
    for (size_t i = 0; i < fresh.rows.size(); ++i) {
        EXPECT_EQ(view.points[i].texts, fresh.rows[i].texts) << "row " << i;
        EXPECT_EQ(view.points[i].used, fresh.rows[i].used) << "row " << i;
    }
    EXPECT_EQ(view.chart.curveY, fresh.chart ? fresh.chart->curveY : std::vector<double>{});
    EXPECT_EQ(view.chart.pointX, fresh.chart ? fresh.chart->pointX : std::vector<double>{});
    EXPECT_EQ(view.coefficientTexts[1].empty(), !fresh.chart);
    if (!view.coefficientTexts[1].empty()) {
        EXPECT_EQ(ParseWholeDouble(view.coefficientTexts[1]), std::stod(FormatGeneral(state.results.k1, 10)));
    }
    using FitTexts = std::array<std::string, 2>;
    EXPECT_EQ(view.fitTexts, fresh.chart ? FitQualityTexts(calibration.fitQuality) : FitTexts{});
    const size_t samples = fresh.chart ? calibration.assayResults.size() : 0;
    ASSERT_EQ(view.samples.size(), samples);
    for (size_t i = 0; i < samples; ++i) {
        const AssayResults& results = calibration.assayResults[i];
        EXPECT_EQ(view.samples[i].texts, SampleRowOf(state.Assays[results.assayIndex], results).texts)
            << "sample " << i;
    }
    const bool lastCalculated =
        !fresh.status.assays.empty() && fresh.status.assays.back() == AssayOutcome::Calculated && fresh.chart;
    EXPECT_EQ(view.averageTexts[0].empty(), view.selectedSample < 0);
    if (lastCalculated) {
        EXPECT_NEAR(*ParseWholeDouble(view.samples.back().texts[2]), state.results.Mn, 1e-5 * state.results.Mn)
            << "the last included assay's row is the one the edits showed before there was a list";
    }
}

struct SequenceCase {
    const char* name;
    std::vector<Operation> operations;
    size_t points;  // rows of the points list
    bool averages;  // whether Mn .. Mp show numbers
    bool curve;  // whether the chart shows a curve (and k0 .. k3 numbers)
};

TEST_F(WorkbenchTest, EverySequenceLeavesAViewOfItsOwnState) {
    const SequenceCase cases[] = {
        {"standards and sample", {Include(0), Include(1)}, 3, true, true},
        {"standards alone: no peak bounds the averages", {Include(0)}, 3, false, true},
        {"sample alone: no calibration", {Include(1)}, 0, false, false},
        {"nothing included", {}, 0, false, false},
        {"broad standard", {Include(0), Include(1), Type(1)}, 0, false, false},
        {"broad standard and back", {Include(0), Include(1), Type(1), Type(0)}, 3, true, true},
        {"universal", {Include(0), Include(1), Type(2), TypeK("0.000141"), TypeAlpha("0.7")}, 3, true, true},
        {"cubic", {Include(0), Include(1), Dependence(2)}, 3, true, true},
        {"sample deleted", {Include(0), Include(1), kDeleteSample}, 3, false, true},
        {"all deleted", {Include(0), Include(1), kDeleteAll}, 0, false, false},
        {"last included excluded", {Include(0), Include(1), Exclude(1), Exclude(0)}, 0, false, false},
        {"a channel without standards", {Include(0), ChooseChannel(1)}, 0, false, false},
        {"channel 1 and back", {Include(0), Include(1), ChooseChannel(1), ChooseChannel(0)}, 3, true, true},
        {"one point dropped", {Include(0), Include(1), DropPoint(1)}, 3, true, true},
        {"every point dropped", {Include(0), Include(1), DropPoint(0), DropPoint(1), DropPoint(2)}, 3, false, false},
        {"K over 100 in the middle", {Include(0), Include(1), Type(2), TypeK("140")}, 3, true, true},
        {"universal with the standards' constants",
         {Include(0), Include(1), Type(2), TypeK("0.0000944"), TypeAlpha("0.719"), StandardK("0.000114"),
          StandardAlpha("0.716")},
         3,
         true,
         true},
        {"standards' constants given, then left out",
         {Include(0), Include(1), Type(2), StandardK("0.000114"), StandardK(""), StandardAlpha("0")},
         3,
         true,
         true},
        {"broad standard of known averages",
         {kBroadStandard, Include(1), Type(1), BroadMn("1000"), BroadMw("1100")},
         0,
         true,
         true},
        {"broad standard without its Mw", {kBroadStandard, Include(1), Type(1), BroadMn("1000")}, 0, false, false},
        {"broad standard of unreachable averages",
         {kBroadStandard, Include(1), Type(1), BroadMn("1000"), BroadMw("900")},
         0,
         false,
         false},
        {"broad standard, then narrow standards",
         {kBroadStandard, Include(0), Include(1), Type(1), BroadMn("1000"), BroadMw("1100"), Type(0)},
         3,
         true,
         true},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessageSink boxes;
        Workbench w(environment, boxes);
        StartWithBothAssays(w);
        for (const Operation& operation : c.operations) operation(w);
        EXPECT_EQ(w.View().points.size(), c.points);
        EXPECT_EQ(!w.View().averageTexts[0].empty(), c.averages);
        EXPECT_EQ(!w.View().chart.curveX.empty(), c.curve);
        EXPECT_EQ(!w.View().coefficientTexts[0].empty(), c.curve);
        ExpectViewOfAFreshPass(w, environment);
    }
}

TEST_F(WorkbenchTest, FirstShowingFitsTheFirstDependenceOfTheFirstType) {
    Workbench& w = Calibrated();
    EXPECT_EQ(w.State().GradIndex, 0);
    EXPECT_EQ(w.State().FormulaIndex, 0);
    EXPECT_EQ(w.View().coefficientTexts[2], "0");  // a straight line, not a constant
    EXPECT_NE(w.View().coefficientTexts[1], "0");
    EXPECT_GT(w.State().results.MwMn, 1.0);
    EXPECT_TRUE(messages.texts.empty());
}

// The results of samples 2 and 3, the user's choice among them kept through a pass and dropped with its
// assay.
TEST_F(WorkbenchTest, ChosenSampleIsShownUntilItsAssayGoes) {
    WriteChromatogram(File("q.chr"), {LabChannel(1, 10.0, 0.5, {0, 2, 4, 1, 0})});
    database->AddAssay(3, File("q.chr"), "Проба 2", "GPC");
    database->AddPeak(3, {"P", 11.0, 1, 10.0, 12.0});
    Workbench& w = Calibrated();
    ASSERT_TRUE(w.AddAssays({3}));
    w.SetIncluded(2, true);
    const auto shownSample = [&w] {
        const WorkbenchView& view = w.View();
        if (view.selectedSample < 0) return std::string("none");
        const auto& texts = view.samples[view.selectedSample].texts;
        EXPECT_TRUE(std::equal(view.averageTexts.begin(), view.averageTexts.end(), texts.begin() + 2));
        EXPECT_EQ(view.distribution.lgM, w.Calibration().assayResults[view.selectedSample].distribution.lgM);
        EXPECT_FALSE(view.distribution.lgM.empty()) << "the shown sample's distribution is built";
        return texts[1];
    };
    ASSERT_EQ(w.View().samples.size(), 2u);
    EXPECT_EQ(shownSample(), "Проба 2") << "the last included assay by default";
    EXPECT_NE(w.View().samples[0].texts[2], w.View().samples[1].texts[2]) << "two samples, two Mn";
    EXPECT_FALSE(w.View().distribution.w.empty());

    w.SelectSample(0);
    EXPECT_EQ(shownSample(), "Проба");
    w.ChooseDependence(1);
    EXPECT_EQ(shownSample(), "Проба") << "a pass keeps the chosen sample";
    w.SelectSample(7);
    EXPECT_EQ(shownSample(), "Проба") << "a row that is not listed changes nothing";
    w.SelectSample(-1);
    EXPECT_EQ(shownSample(), "Проба 2");
    w.SelectSample(0);
    w.DeleteAssays({2});
    EXPECT_EQ(shownSample(), "Проба 2") << "nothing of a deleted assay stays";
    ASSERT_EQ(w.View().samples.size(), 1u);
    w.SetIncluded(1, false);
    EXPECT_EQ(shownSample(), "none");
    EXPECT_TRUE(w.View().distribution.lgM.empty());
    ExpectViewOfAFreshPass(w, environment);
}

// The user's choice of a sample lasts while its assay is listed: listed again later, the assay is
// shown as any other, and the last included assay's row is the one shown.
TEST_F(WorkbenchTest, AChoiceEndsWithItsAssay) {
    Workbench& w = Calibrated();
    w.SelectSample(0);  // "Проба", assay 2
    w.DeleteAssays({2});
    ASSERT_TRUE(w.AddAssays({2}));
    w.SetIncluded(1, true);
    kBroadStandard(w);  // listed after it and included: the last included assay
    ASSERT_EQ(w.View().samples.size(), 2u);
    EXPECT_EQ(w.View().samples[1].texts[1], "Широкий ПС");
    EXPECT_EQ(w.View().selectedSample, 1);
}

TEST_F(WorkbenchTest, AveragesShowSixDigitsAndCoefficientsTen) {
    Workbench& w = Calibrated();
    EXPECT_NEAR(w.State().results.Mn, 291.41, 0.01);
    EXPECT_EQ(w.View().averageTexts[0], "291.412");
    EXPECT_EQ(w.View().coefficientTexts[0], FormatGeneral(w.State().results.k0, 10));
}

struct TypingCase {
    const char* typed;
    bool alpha;
    double value;
};

TEST_F(WorkbenchTest, RealisticConstantsTypeOneKeyAtATime) {
    const TypingCase cases[] = {
        {"0.000141", false, 0.000141}, {".000141", false, 0.000141}, {"9.44e-5", false, 9.44e-5}, {"0.7", true, 0.7},
        {"0.719", true, 0.719},
    };
    Workbench& w = Calibrated();
    w.ChooseType(CCalibration::kUniversal);
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.typed);
        (c.alpha ? TypeAlpha(c.typed) : TypeK(c.typed))(w);
        w.FinishK();
        w.FinishAlpha();
        EXPECT_EQ(c.alpha ? w.State().Alpha : w.State().K, c.value);
        EXPECT_EQ(c.alpha ? w.View().alphaText : w.View().kText, c.typed);
        ExpectViewOfAFreshPass(w, environment);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WorkbenchTest, KAbove100IsRefusedOnceAndTypingGoesOnFromOne) {
    Workbench& w = Calibrated();
    TypeK("140")(w);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Слишком большое K!"});
    EXPECT_EQ(w.State().K, 1.0);
    EXPECT_EQ(w.View().kText, "1");
}

struct FinishCase {
    const char* typed;
    double k;
    const char* shown;
};

TEST_F(WorkbenchTest, LeavingKSettlesWhatIsStillTyped) {
    const FinishCase cases[] = {
        {"0", 1.0, "1"}, {"0.", 1.0, "1"}, {"", 1.0, "1"}, {"2e", 2.0, "2"}, {"0.5", 0.5, "0.5"}};
    Workbench& w = Calibrated();
    for (const FinishCase& c : cases) {
        SCOPED_TRACE(c.typed);
        w.TypeK("3");
        w.TypeK(c.typed);
        w.FinishK();
        EXPECT_EQ(w.State().K, c.k);
        EXPECT_EQ(w.View().kText, c.shown);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WorkbenchTest, TextThatIsNoNumberIsToldAndLeavingRestoresTheValue) {
    Workbench& w = Calibrated();
    w.TypeK("0.5");
    w.TypeK("abc");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите число."});
    EXPECT_EQ(w.State().K, 0.5);
    w.FinishK();
    EXPECT_EQ(w.View().kText, "0.5");
}

TEST_F(WorkbenchTest, ChosenChannelStaysWhileTheIncludedAssaysOfferIt) {
    StartWithBothAssays(workbench);
    workbench.SetIncluded(0, true);
    ASSERT_EQ(workbench.View().channelEntries, 2);
    workbench.ChooseChannel(1);
    workbench.SetIncluded(0, false);
    workbench.SetIncluded(0, true);
    EXPECT_EQ(workbench.State().ChannelIndex, 1);
    workbench.SetIncluded(1, true);  // the sample offers one channel only
    EXPECT_EQ(workbench.State().ChannelIndex, 0);
    ExpectViewOfAFreshPass(workbench, environment);
}

TEST_F(WorkbenchTest, StoredPointFlagsAreKeptOnlyWhenTheyFitThePoints) {
    for (const auto& [stored, expected] : std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>>{
             {{1, 0, 1}, {1, 0, 1}}, {{0, 0}, {1, 1, 1}}, {{}, {1, 1, 1}}}) {
        RecordingMessageSink boxes;
        Workbench w(environment, boxes);
        ASSERT_TRUE(w.AddAssays({1, 2}));
        w.State().Assays[0].included = 1;
        w.State().Assays[1].included = 1;
        w.Start(stored);
        EXPECT_EQ(w.State().PointFlags, expected);
        ExpectViewOfAFreshPass(w, environment);
    }
}

TEST_F(WorkbenchTest, AnotherMethodCancelledLeavesTheViewOfTheRest) {
    WriteChromatogram(File("q.chr"), {LabChannel(1, 10.0, 0.5, {0, 1, 2, 1, 0})});
    database->AddAssay(3, File("q.chr"), "Другой метод", "SEC");
    Workbench& w = Calibrated();
    ASSERT_TRUE(w.AddAssays({3}));
    messages.answers = {MessageSink::Answer::Cancel};
    w.SetIncluded(2, true);
    EXPECT_EQ(w.State().Assays[2].included, 0);
    EXPECT_EQ(w.View().points.size(), 3u);
    ExpectViewOfAFreshPass(w, environment);
}

}  // namespace

namespace {

TEST_F(WorkbenchTest, StandardsConstantsTurnTheSampleFromPolystyreneEquivalent) {
    Workbench& w = Calibrated();
    w.ChooseType(2);
    TypeK("0.0000944")(w);
    TypeAlpha("0.719")(w);
    EXPECT_TRUE(w.View().standardConstantsShown);
    EXPECT_FALSE(w.View().broadStandardShown);
    const double equivalent = w.State().results.Mn;
    StandardK("0.000114")(w);
    StandardAlpha("0.716")(w);
    EXPECT_EQ(w.View().standardKText, "0.000114");
    EXPECT_EQ(w.View().points[0].texts[3], "0.000114") << "the points carry the standards' constants";
    EXPECT_EQ(w.View().points[0].texts[4], "0.716");
    EXPECT_NE(w.State().results.Mn, equivalent);
    StandardK("")(w);
    StandardAlpha("")(w);
    EXPECT_FALSE(w.State().Standards.K);
    EXPECT_FALSE(w.State().Standards.Alpha);
    EXPECT_EQ(w.State().results.Mn, equivalent) << "left out, the standards take the sample's own";
    EXPECT_TRUE(messages.texts.empty());

    w.TypeStandardK("140");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Слишком большое K!"});
    EXPECT_FALSE(w.State().Standards.K);
    EXPECT_EQ(w.View().standardKText, "");
}

// A mass half typed would give a dispersity no chromatogram has: it is taken when the edit is left.
TEST_F(WorkbenchTest, BroadStandardMassesAreTakenWhenTheEditIsLeft) {
    StartWithBothAssays(workbench);
    Workbench& w = workbench;
    kBroadStandard(w);
    w.SetIncluded(1, true);
    messages.texts.clear();
    w.ChooseType(1);
    EXPECT_TRUE(w.View().broadStandardShown);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Задайте Mn и Mw широкого стандарта."});
    messages.texts.clear();
    for (const char* typed : {"1", "10", "100", "1000"}) w.TypeBroadMn(typed);
    EXPECT_TRUE(messages.texts.empty()) << "no pass while typing";
    EXPECT_FALSE(w.State().Standards.broadMn);
    EXPECT_EQ(w.View().broadMnText, "1000");
    w.FinishBroadMn();
    EXPECT_EQ(w.State().Standards.broadMn, 1000.0);
    EXPECT_TRUE(messages.texts.empty()) << "Mw still missing is told only when the type is chosen";
    messages.texts.clear();

    BroadMw("900")(w);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Хроматограмма широкого стандарта не может дать Mw/Mn = 0.9."});
    EXPECT_TRUE(w.View().chart.curveX.empty()) << "no flat line";
    EXPECT_TRUE(w.View().samples.empty());
    messages.texts.clear();

    BroadMw("1100")(w);
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_EQ(w.View().samples.size(), 2u) << "the standard and the sample";
    EXPECT_EQ(w.View().samples[1].texts[2], "1000.00") << "the standard's own Mn";
    EXPECT_EQ(w.View().samples[1].texts[3], "1100.00");
    EXPECT_FALSE(w.View().chart.curveX.empty());
    EXPECT_TRUE(w.View().chart.pointX.empty());

    w.TypeBroadMw("abc");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите число."});
    w.FinishBroadMw();
    EXPECT_EQ(w.View().broadMwText, "1100");
    EXPECT_EQ(w.State().Standards.broadMw, 1100.0);
}

TEST_F(WorkbenchTest, StartShowsTheStoredStandardsValues) {
    workbench.State().Standards = {1.14e-4, std::nullopt, 25000.0, 52500.0};
    workbench.Start({});
    EXPECT_EQ(workbench.View().standardKText, "0.000114");
    EXPECT_EQ(workbench.View().standardAlphaText, "");
    EXPECT_EQ(workbench.View().broadMnText, "25000");
    EXPECT_EQ(workbench.View().broadMwText, "52500");
}

}  // namespace
