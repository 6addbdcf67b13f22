// The workbench without widgets: every operation a user can do, what it changes in the state, which pass
// it runs and which message it shows. The window turns controls into these calls and shows View().
#pragma once

#include "base/MessageSink.h"
#include "base/ModuleEnvironment.h"
#include "components/ComponentsTable.h"
#include "gpc/CCalibration.h"
#include "workbench/RecalculationPass.h"
#include "workbench/WorkbenchState.h"
#include "workbench/WorkbenchView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Workbench {
public:
    // Messages are shown through messages; both references must outlive the workbench.
    Workbench(const ModuleEnvironment& environment, MessageSink& messages);

    WorkbenchState& State() { return state_; }
    const WorkbenchState& State() const { return state_; }
    // The calibration of the last pass; empty (no points, no curve) when none ran.
    const CCalibration& Calibration() const { return calibration_; }
    const WorkbenchView& View() const { return view_; }

    // Takes the state as the stored settings left it: a type or dependence out of range becomes the
    // first, K = 0 becomes 1, the channel is kept when the included assays offer it, the point flags
    // when storedFlags has one per point; then the first pass.
    void Start(const std::vector<int32_t>& storedFlags);
    // Loads the assays with these [assay] ids (already listed ones are kept as they are) and runs a
    // pass; a database failure is shown. True when at least one of them is in the list now.
    bool AddAssays(const std::vector<int32_t>& ids);
    // Removes the assays with these ids, or all of them, and runs a pass.
    void DeleteAssays(const std::vector<int32_t>& ids);
    void DeleteAllAssays();
    // The check box of assay row changed. An assay without readable channels is refused with a message;
    // one measured with another method asks whether to switch to it.
    void SetIncluded(int32_t row, bool included);
    // The check box of points list row changed: the calibration is fitted again.
    void SetPointUsed(int32_t row, bool used);
    // A choice in the type, dependence or channel combo; -1 (no selection) changes nothing.
    void ChooseType(int32_t index);
    void ChooseDependence(int32_t index);
    void ChooseChannel(int32_t index);
    // The K or Alpha edit's text changed: a number is used at once (above 100 refused with a message),
    // a text still being typed waits, a text that is no number is told.
    void TypeK(const std::string& text);
    void TypeAlpha(const std::string& text);
    // The edit was left or Enter pressed: what is still being typed is settled (K = 0 becomes 1).
    void FinishK();
    void FinishAlpha();
    // The standards' K or Alpha edit changed, as K and Alpha; a value left out (empty, or 0 when the edit
    // is left) is the sample's own, and one above 100 is refused with a message and left out.
    void TypeStandardK(const std::string& text);
    void TypeStandardAlpha(const std::string& text);
    void FinishStandardK();
    void FinishStandardAlpha();
    // The broad standard's Mn or Mw edit changed: only a text that is no number is told at once. The
    // value is taken when the edit is left or Enter pressed (empty or 0: not given).
    void TypeBroadMn(const std::string& text);
    void TypeBroadMw(const std::string& text);
    void FinishBroadMn();
    void FinishBroadMw();
    // Runs the whole pass again, rereading the components table.
    void Recalculate();
    // A row of the results list was selected: its averages and distribution are shown, and stay
    // shown through later passes while its assay is listed; -1 goes back to the last included assay.
    void SelectSample(int32_t row);

private:
    // One of the two edited constants: where it lives, its shown text, its message and its value for 0.
    struct ConstantEdit {
        double WorkbenchState::*value;
        std::string WorkbenchView::*text;
        MessageId tooLarge;
        bool zeroMeansOne;
    };
    static const ConstantEdit kKEdit;
    static const ConstantEdit kAlphaEdit;
    // One of the four edits of what is known of the standards, each of which may be left empty.
    struct StandardEdit {
        std::optional<double> CalibrationStandards::*value;
        std::string WorkbenchView::*text;
        std::optional<MessageId> tooLarge;  // above 100 refused with it; empty: no upper limit
        // A pass at each number typed; without it, at leaving the edit only: a mass half typed gives a
        // dispersity no chromatogram has, and a refusal at every key.
        bool passWhileTyping;
    };
    static const StandardEdit kStandardKEdit;
    static const StandardEdit kStandardAlphaEdit;
    static const StandardEdit kBroadMnEdit;
    static const StandardEdit kBroadMwEdit;

    void TypeConstant(const ConstantEdit& edit, const std::string& text);
    void FinishConstant(const ConstantEdit& edit);
    void SetConstant(const ConstantEdit& edit, double value);
    void TypeStandard(const StandardEdit& edit, const std::string& text);
    void FinishStandard(const StandardEdit& edit);
    void SetStandard(const StandardEdit& edit, std::optional<double> value);
    // The value typed; none above the edit's limit (told) or for 0.
    std::optional<double> Limited(const StandardEdit& edit, double typed);
    // The assays or their inclusion changed (changedRow: the row whose box changed, -1 for the set):
    // channels, point flags and a pass.
    void AssaySetChanged(int32_t changedRow);
    void RebuildChannelsKeepingChoice(int32_t changedRow);
    void RebuildPointFlags();
    // Indexes of the assays whose distribution a pass builds.
    std::vector<int32_t> DistributedAssays() const;
    void Forget();
    void Pass(MissingStandardAverages missing = MissingStandardAverages::Untold);
    void Refit();
    void ShowPass(const PassResult& pass);
    void ShowSamples(const PassResult& pass);
    void ShowSelectedSample();

    const ModuleEnvironment& environment_;
    MessageSink& messages_;
    WorkbenchState state_;
    CCalibration calibration_;
    ComponentsTable components_;
    WorkbenchView view_;
    int32_t chosenChannel_ = 0;  // the user's last channel choice, kept while no assay offers it
    std::optional<int32_t> chosenSampleId_;  // [assay].id of the results row the user chose
    int32_t lastIncludedSample_ = -1;  // the row shown when none is chosen; -1 for none
};
