#include "workbench/Workbench.h"

#include "base/NumberText.h"
#include "chart/CalibrationChart.h"
#include "data/DataBase.h"
#include "gpc/CalibrationNames.h"
#include "gpc/CoefficientTexts.h"
#include "gpc/SampleRowTexts.h"
#include "workbench/AssayLoading.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/ChannelList.h"
#include "workbench/TypedNumber.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLargestConstant = 100.0;  // K and Alpha above it are refused
constexpr int kConstantDigits = 15;  // significant digits of K and Alpha written by the workbench

bool InRange(int32_t index, size_t count) { return index >= 0 && static_cast<size_t>(index) < count; }

// The averages belong to the last included assay; when it could not be calculated, what the run
// left in the results is another assay's and must not be shown as this one's.
bool LastAssayCalculated(const CalculationStatus& status) {
    return !status.assays.empty() && status.assays.back() == AssayOutcome::Calculated;
}

}  // namespace

const Workbench::ConstantEdit Workbench::kKEdit{&WorkbenchState::K, &WorkbenchView::kText, MessageId::KTooLarge, true};
const Workbench::ConstantEdit Workbench::kAlphaEdit{&WorkbenchState::Alpha, &WorkbenchView::alphaText,
                                                    MessageId::AlphaTooLarge, false};
const Workbench::StandardEdit Workbench::kStandardKEdit{&CalibrationStandards::K, &WorkbenchView::standardKText,
                                                        MessageId::KTooLarge, true};
const Workbench::StandardEdit Workbench::kStandardAlphaEdit{
    &CalibrationStandards::Alpha, &WorkbenchView::standardAlphaText, MessageId::AlphaTooLarge, true};
const Workbench::StandardEdit Workbench::kBroadMnEdit{&CalibrationStandards::broadMn, &WorkbenchView::broadMnText,
                                                      std::nullopt, false};
const Workbench::StandardEdit Workbench::kBroadMwEdit{&CalibrationStandards::broadMw, &WorkbenchView::broadMwText,
                                                      std::nullopt, false};

Workbench::Workbench(const ModuleEnvironment& environment, MessageSink& messages)
    : environment_(environment), messages_(messages) {
    SetConstant(kKEdit, state_.K);
    SetConstant(kAlphaEdit, state_.Alpha);
    ShowPass({});
}

void Workbench::Start(const std::vector<int32_t>& storedFlags) {
    if (!InRange(state_.GradIndex, kCalibrationTypeNames.size())) state_.GradIndex = 0;
    if (!InRange(state_.FormulaIndex, kDependenceNames.size())) state_.FormulaIndex = 0;
    SetConstant(kKEdit, state_.K == 0.0 ? 1.0 : state_.K);
    SetConstant(kAlphaEdit, state_.Alpha);
    for (const StandardEdit* edit : {&kStandardKEdit, &kStandardAlphaEdit, &kBroadMnEdit, &kBroadMwEdit})
        SetStandard(*edit, state_.Standards.*edit->value);
    chosenChannel_ = state_.ChannelIndex;
    RebuildChannelsKeepingChoice(-1);
    RebuildPointFlags();
    if (storedFlags.size() == state_.PointFlags.size())
        for (size_t i = 0; i < storedFlags.size(); ++i) state_.PointFlags[i] = storedFlags[i] != 0 ? 1 : 0;
    Pass();
}

bool Workbench::AddAssays(const std::vector<int32_t>& ids) {
    int listed = 0;
    try {
        DataBase::Handle db(environment_.DatabaseLocation());
        Status loadError;
        for (int32_t id : ids) {
            const AssayLoad load = LoadAssay(db, id, state_.Assays);
            if (load.index >= 0) ++listed;
            if (!load.status) loadError = load.status;
        }
        if (!loadError)
            messages_.Show(loadError.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    } catch (const DataBase::SqlException& e) {
        messages_.Show(Message{MessageId::DatabaseError, e.what()}, {}, MessageSink::Buttons::Ok,
                       MessageSink::Icon::Error);
    }
    if (listed == 0) return false;
    AssaySetChanged(-1);
    return true;
}

void Workbench::DeleteAssays(const std::vector<int32_t>& ids) {
    std::erase_if(state_.Assays,
                  [&ids](const Assay& assay) { return std::find(ids.begin(), ids.end(), assay.id) != ids.end(); });
    AssaySetChanged(-1);
}

void Workbench::DeleteAllAssays() {
    state_.Assays.clear();
    AssaySetChanged(-1);
}

void Workbench::SetIncluded(int32_t row, bool included) {
    if (!InRange(row, state_.Assays.size())) return;
    Assay& assay = state_.Assays[row];
    if (included && assay.channels.empty()) {
        messages_.Show(MessageId::AssayWithoutInformation);
        assay.included = 0;
        return;
    }
    assay.included = included ? 1 : 0;
    AssaySetChanged(row);
}

void Workbench::SetPointUsed(int32_t row, bool used) {
    if (!InRange(row, view_.points.size())) return;
    const auto point = static_cast<size_t>(view_.points[row].point);
    // Flags may be shorter than the points when a table changed under them; a point without one is used.
    if (state_.PointFlags.size() <= point) state_.PointFlags.resize(point + 1, 1);
    state_.PointFlags[point] = used ? 1 : 0;
    Refit();
}

void Workbench::ChooseType(int32_t index) {
    if (!InRange(index, kCalibrationTypeNames.size())) return;
    state_.GradIndex = index;
    Pass(MissingStandardAverages::Told);
}

void Workbench::ChooseDependence(int32_t index) {
    if (!InRange(index, kDependenceNames.size())) return;
    state_.FormulaIndex = index;
    Pass();
}

void Workbench::ChooseChannel(int32_t index) {
    if (!InRange(index, static_cast<size_t>(view_.channelEntries))) return;
    state_.ChannelIndex = index;
    chosenChannel_ = index;
    RebuildPointFlags();
    Pass();
}

void Workbench::TypeK(const std::string& text) { TypeConstant(kKEdit, text); }
void Workbench::TypeAlpha(const std::string& text) { TypeConstant(kAlphaEdit, text); }
void Workbench::FinishK() { FinishConstant(kKEdit); }
void Workbench::FinishAlpha() { FinishConstant(kAlphaEdit); }
void Workbench::TypeStandardK(const std::string& text) { TypeStandard(kStandardKEdit, text); }
void Workbench::TypeStandardAlpha(const std::string& text) { TypeStandard(kStandardAlphaEdit, text); }
void Workbench::FinishStandardK() { FinishStandard(kStandardKEdit); }
void Workbench::FinishStandardAlpha() { FinishStandard(kStandardAlphaEdit); }
void Workbench::TypeBroadMn(const std::string& text) { TypeStandard(kBroadMnEdit, text); }
void Workbench::TypeBroadMw(const std::string& text) { TypeStandard(kBroadMwEdit, text); }
void Workbench::FinishBroadMn() { FinishStandard(kBroadMnEdit); }
void Workbench::FinishBroadMw() { FinishStandard(kBroadMwEdit); }

void Workbench::Recalculate() { Pass(); }

void Workbench::SelectSample(int32_t row) {
    if (row == -1) {
        chosenSampleId_.reset();
    } else {
        if (!InRange(row, view_.samples.size())) return;
        chosenSampleId_ = state_.Assays[view_.samples[row].assayIndex].id;
    }
    ShowSelectedSample();
}

std::vector<int32_t> Workbench::DistributedAssays() const {
    // A distribution takes six times the bytes of its samples: a pass builds only the one it will
    // likely show, the chosen sample's or else the last included assay's. Showing another builds its own.
    for (size_t i = 0; chosenSampleId_ && i < state_.Assays.size(); ++i)
        if (state_.Assays[i].id == *chosenSampleId_) return {static_cast<int32_t>(i)};
    for (size_t i = state_.Assays.size(); i-- > 0;)
        if (state_.Assays[i].included != 0) return {static_cast<int32_t>(i)};
    return {};
}

void Workbench::TypeConstant(const ConstantEdit& edit, const std::string& text) {
    view_.*edit.text = text;
    const TypedNumber typed = ReadTypedNumber(text);
    if (typed.kind == TypedNumberKind::StillTyping) return;
    if (typed.kind == TypedNumberKind::NotANumber) {
        messages_.Show(MessageId::EnterNumber, {}, MessageSink::Buttons::Ok, MessageSink::Icon::Warning);
        return;
    }
    if (typed.value > kLargestConstant) {
        messages_.Show(edit.tooLarge);
        SetConstant(edit, 1.0);
    } else {
        state_.*edit.value = typed.value;
    }
    Pass();
}

void Workbench::FinishConstant(const ConstantEdit& edit) {
    const TypedNumber typed = ReadTypedNumber(view_.*edit.text);
    const double before = state_.*edit.value;
    if (typed.kind == TypedNumberKind::NotANumber) {
        SetConstant(edit, before);
        return;
    }
    double value = typed.value;
    if (value > kLargestConstant) {
        messages_.Show(edit.tooLarge);
        value = 1.0;
    }
    if (value == 0.0 && edit.zeroMeansOne) value = 1.0;
    // A text that already reads as the value stays as the user wrote it.
    if (typed.kind != TypedNumberKind::Number || value != typed.value) SetConstant(edit, value);
    if (value != before) Pass();
}

void Workbench::SetConstant(const ConstantEdit& edit, double value) {
    state_.*edit.value = value;
    view_.*edit.text = FormatGeneral(value, kConstantDigits);
}

void Workbench::TypeStandard(const StandardEdit& edit, const std::string& text) {
    view_.*edit.text = text;
    const TypedNumber typed = ReadTypedNumber(text);
    if (typed.kind == TypedNumberKind::NotANumber) {
        messages_.Show(MessageId::EnterNumber, {}, MessageSink::Buttons::Ok, MessageSink::Icon::Warning);
        return;
    }
    if (typed.kind == TypedNumberKind::StillTyping || !edit.passWhileTyping) return;
    const std::optional<double> value = Limited(edit, typed.value);
    if (value)
        state_.Standards.*edit.value = value;
    else
        SetStandard(edit, value);
    Pass();
}

void Workbench::FinishStandard(const StandardEdit& edit) {
    const TypedNumber typed = ReadTypedNumber(view_.*edit.text);
    const std::optional<double> before = state_.Standards.*edit.value;
    if (typed.kind == TypedNumberKind::NotANumber) {
        SetStandard(edit, before);
        return;
    }
    const std::optional<double> value = Limited(edit, typed.value);
    // A text that already reads as the value stays as the user wrote it.
    if (typed.kind != TypedNumberKind::Number || value != typed.value)
        SetStandard(edit, value);
    else
        state_.Standards.*edit.value = value;
    if (value != before) Pass();
}

void Workbench::SetStandard(const StandardEdit& edit, std::optional<double> value) {
    state_.Standards.*edit.value = value;
    view_.*edit.text = value ? FormatGeneral(*value, kConstantDigits) : std::string();
}

std::optional<double> Workbench::Limited(const StandardEdit& edit, double typed) {
    if (edit.tooLarge && typed > kLargestConstant) {
        messages_.Show(*edit.tooLarge);
        return std::nullopt;
    }
    if (typed == 0.0) return std::nullopt;
    return typed;
}

void Workbench::AssaySetChanged(int32_t changedRow) {
    // The chosen sample lasts while its assay is listed; listed again later, it is chosen no more.
    const auto listed = [this](int32_t id) {
        return std::any_of(state_.Assays.begin(), state_.Assays.end(), [id](const Assay& a) { return a.id == id; });
    };
    if (chosenSampleId_ && !listed(*chosenSampleId_)) chosenSampleId_.reset();
    RebuildChannelsKeepingChoice(changedRow);
    RebuildPointFlags();
    Pass();
}

void Workbench::RebuildChannelsKeepingChoice(int32_t changedRow) {
    const ChannelListResult channels = RebuildChannels(state_, changedRow, messages_);
    if (!channels.rebuilt) return;
    view_.channelEntries = channels.entries;
    // The channel the user chose comes back whenever the included assays offer it.
    state_.ChannelIndex = InRange(chosenChannel_, static_cast<size_t>(channels.entries)) ? chosenChannel_ : 0;
}

void Workbench::RebuildPointFlags() { state_.PointFlags = ::RebuildPointFlags(state_.Assays, state_.ChannelIndex); }

void Workbench::Forget() {
    // A fresh calibration each time: nothing of an earlier run may remain in what is shown or reported.
    calibration_ = CCalibration{};
    calibration_.DistributionAssays = DistributedAssays();
    state_.results = {};
}

void Workbench::Pass(MissingStandardAverages missing) {
    Forget();
    ShowPass(::Recalculate(environment_, state_, components_, calibration_, messages_, missing));
}

void Workbench::Refit() {
    Forget();
    ShowPass(RefitPoints(state_, components_, calibration_, messages_, MissingStandardAverages::Untold));
}

void Workbench::ShowPass(const PassResult& pass) {
    view_.points = pass.rows;
    view_.dependenceChoosable = state_.GradIndex != CCalibration::kPolydisperse;
    view_.standardConstantsShown = state_.GradIndex == CCalibration::kUniversal;
    view_.broadStandardShown = state_.GradIndex == CCalibration::kPolydisperse;
    for (size_t column = 0; column < view_.pointColumns.size(); ++column)
        view_.pointColumns[column] = ShowsPointColumn(state_.GradIndex, static_cast<int>(column) + 2);
    view_.yCaption = state_.GradIndex == CCalibration::kUniversal ? kUniversalMolarMassCaption : kMolarMassCaption;
    view_.chart = pass.chart.value_or(ChartData{});
    view_.coefficientTexts = pass.chart ? CoefficientTexts(state_.results) : std::array<std::string, 4>{};
    view_.fitTexts = pass.chart ? FitQualityTexts(calibration_.fitQuality) : std::array<std::string, 2>{};
    ShowSamples(pass);
}

void Workbench::ShowSamples(const PassResult& pass) {
    view_.samples.clear();
    // Without a fitted calibration nothing computed belongs to the assays listed now.
    if (pass.chart)
        for (const AssayResults& results : calibration_.assayResults)
            view_.samples.push_back(SampleRowOf(state_.Assays[results.assayIndex], results));
    // The last included assay's row is shown by default only when it is that assay's: when it could not
    // be calculated, the last row belongs to another one.
    lastIncludedSample_ = LastAssayCalculated(pass.status) ? static_cast<int32_t>(view_.samples.size()) - 1 : -1;
    ShowSelectedSample();
}

void Workbench::ShowSelectedSample() {
    int32_t selected = lastIncludedSample_;
    for (size_t row = 0; chosenSampleId_ && row < view_.samples.size(); ++row)
        if (state_.Assays[view_.samples[row].assayIndex].id == *chosenSampleId_) selected = static_cast<int32_t>(row);
    view_.selectedSample = selected;
    if (selected < 0) {
        view_.averageTexts = {};
        view_.distribution = {};
        return;
    }
    const SampleRow& row = view_.samples[selected];
    const auto first = row.texts.begin() + static_cast<size_t>(SampleColumn::Mn);
    std::copy(first, first + view_.averageTexts.size(), view_.averageTexts.begin());
    calibration_.CompleteDistribution(static_cast<size_t>(selected));
    view_.distribution = calibration_.assayResults[selected].distribution;
}
