#include "FreshCalculation.h"

#include "base/MessageSink.h"
#include "components/ComponentsTable.h"
#include "data/DataBaseHandle.h"
#include "gpc/CCalibration.h"
#include "gpc/CoefficientTexts.h"
#include "workbench/AssayLoading.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/RecalculationPass.h"

#include <algorithm>
#include <stdexcept>

FreshCalculation::FreshCalculation(const std::string& documentsFolder, const std::string& database)
    : environment_(documentsFolder, database) {}

const Assay& FreshCalculation::Loaded(int32_t id) {
    const auto found = loaded_.find(id);
    if (found != loaded_.end()) return found->second;
    DataBase::Handle db(environment_.DatabaseLocation());
    std::vector<Assay> assays;
    if (LoadAssay(db, id, assays).index != 0)
        throw std::runtime_error("assay " + std::to_string(id) + " cannot be loaded");
    return loaded_.emplace(id, std::move(assays[0])).first->second;
}

FreshView FreshCalculation::Of(const WorkbenchInputs& inputs) {
    WorkbenchState state;
    for (size_t i = 0; i < inputs.ids.size(); ++i) {
        state.Assays.push_back(Loaded(inputs.ids[i]));
        state.Assays.back().included = inputs.included[i] ? 1 : 0;
    }
    state.GradIndex = inputs.type;
    state.FormulaIndex = inputs.dependence;
    state.ChannelIndex = std::max(inputs.channel, 0);
    state.K = inputs.K;
    state.Alpha = inputs.Alpha;
    state.Standards = inputs.standards;
    state.PointFlags = RebuildPointFlags(state.Assays, state.ChannelIndex);
    if (inputs.pointsUsed.size() == state.PointFlags.size())
        std::transform(inputs.pointsUsed.begin(), inputs.pointsUsed.end(), state.PointFlags.begin(),
                       [](bool used) { return used ? 1 : 0; });

    CCalibration calibration;
    ComponentsTable components;
    RecordingMessageSink quiet;
    const PassResult pass = Recalculate(environment_, state, components, calibration, quiet);
    FreshView view;
    view.points = pass.rows;
    if (!pass.chart) return view;
    view.coefficients = CoefficientTexts(state.results);
    view.fit = FitQualityTexts(calibration.fitQuality);
    for (const AssayResults& results : calibration.assayResults)
        view.samples.push_back(SampleRowOf(state.Assays[results.assayIndex], results));
    view.lastCalculated = !pass.status.assays.empty() && pass.status.assays.back() == AssayOutcome::Calculated;
    return view;
}
