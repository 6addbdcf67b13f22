#include "workbench/RecalculationPass.h"

#include "gpc/PointRowTexts.h"

namespace {

// Writes each named item's molar mass and display name from the components table. An item whose
// name the table lacks gets concentration 0 and molar mass 0, so that it forms no calibration
// point and rows, flags and points stay aligned.
void AssignMolarMasses(WorkbenchState& state, const ComponentsTable& components, MessageSink& messages) {
    if (state.ChannelIndex < 0) return;
    const auto channel = static_cast<size_t>(state.ChannelIndex);
    for (Assay& assay : state.Assays) {
        if (assay.included == 0 || channel >= assay.channels.size()) continue;
        for (TableItem& item : assay.channels[channel].table) {
            if (const Component* component = components.FindComponent(item.name)) {
                item.molarMass = component->molarMass;
                item.componentText = component->componentName;
                continue;
            }
            if (!item.name.empty()) messages.Show({MessageId::ComponentNotFound, item.name});
            item.concent = 0.0;
            item.molarMass = 0.0;
        }
    }
}

// One box for each included assay whose averages could not be computed, as the run met them, and one
// when the broad standard gave no line (Mn and Mw not given only when they are to be told).
CalculationStatus RunCalibration(WorkbenchState& state, CCalibration& calibration, MessageSink& messages,
                                 MissingStandardAverages missing) {
    calibration.SetInputs(state.K, state.Alpha, state.GradIndex, state.FormulaIndex, state.ChannelIndex, state.Assays,
                          state.PointFlags, state.Standards);
    CalculationStatus status = calibration.Run();
    for (int32_t i = 0; i < status.AveragesFailures(); ++i) messages.Show(MessageId::AveragesError);
    const bool untold = missing == MissingStandardAverages::Untold &&
                        status.calibration.message.id == MessageId::BroadStandardAveragesMissing;
    if (!status.calibration && !untold) messages.Show(status.calibration.message);
    state.results = calibration.results;
    return status;
}

std::vector<PointsListRow> PointsRows(const CCalibration& calibration, const ComponentsTable& components,
                                      int32_t gradIndex) {
    std::vector<PointsListRow> rows;
    for (size_t j = 0; j < calibration.calPoints.size(); ++j) {
        const CalibrationPoint& point = calibration.calPoints[j];
        const Component* component = components.FindComponent(point.name);
        if (!component) continue;
        PointsListRow row;
        row.texts = PointRowTexts(point, component->componentName);
        row.fitTexts = PointFitTexts(point);
        for (int column = 2; column < 5; ++column)
            if (!ShowsPointColumn(gradIndex, column)) row.texts[column].clear();
        row.used = point.used != 0;
        row.point = static_cast<int32_t>(j);
        rows.push_back(std::move(row));
    }
    return rows;
}

// A broad standard's line has no points to draw.
std::optional<ChartData> Chart(const CCalibration& calibration) {
    const bool withoutPoints = calibration.usedGradIndex == CCalibration::kPolydisperse;
    if (calibration.curveX.empty() || (calibration.pointX.empty() && !withoutPoints)) return std::nullopt;
    return ChartData{calibration.curveX, calibration.curveY, calibration.pointX, calibration.pointY};
}

}  // namespace

bool ShowsPointColumn(int32_t gradIndex, int column) {
    if (column < 2) return true;
    return column == 2 || gradIndex == CCalibration::kUniversal;
}

PassResult Recalculate(const ModuleEnvironment& environment, WorkbenchState& state, ComponentsTable& components,
                       CCalibration& calibration, MessageSink& messages, MissingStandardAverages missing) {
    if (state.Assays.empty()) return {};
    components.filePath = ComponentsFilePath(environment, kComponentsFileName);
    if (components.filePath.empty()) return {};
    components.LoadTable();
    AssignMolarMasses(state, components, messages);
    return RefitPoints(state, components, calibration, messages, missing);
}

PassResult RefitPoints(WorkbenchState& state, const ComponentsTable& components, CCalibration& calibration,
                       MessageSink& messages, MissingStandardAverages missing) {
    CalculationStatus status = RunCalibration(state, calibration, messages, missing);
    return {true, std::move(status), PointsRows(calibration, components, state.GradIndex), Chart(calibration)};
}
