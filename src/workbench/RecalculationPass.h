// The recalculation pass of the workbench: the components table reread, each named peak's molar
// mass written into the included assays, the calibration run on a copy of the inputs, its failures
// shown, the ten results copied back, and what the points list and the chart are to show.
#pragma once

#include "base/MessageSink.h"
#include "base/ModuleEnvironment.h"
#include "components/ComponentsTable.h"
#include "gpc/CCalibration.h"
#include "gpc/PointRowTexts.h"
#include "workbench/WorkbenchState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The chart's two series: the sampled curve and the plotted points (minutes; lg M or the universal
// quantity). Own copies, so that a later pass never changes what the chart holds.
struct ChartData {
    std::vector<double> curveX;
    std::vector<double> curveY;
    std::vector<double> pointX;
    std::vector<double> pointY;
};

struct PassResult {
    bool ran = false;  // false when the pass stopped before any change (no assays, no documents folder)
    CalculationStatus status;  // how each included assay went, when ran
    std::vector<PointsListRow> rows;  // the new points list, when ran
    std::optional<ChartData> chart;  // the new series; empty when no calibration was fitted
};

// Whether a pass tells that the broad standard's Mn and Mw are not given: the window says it once, when
// the type is chosen, not at every pass while the user types them in.
enum class MissingStandardAverages { Told, Untold };

// Runs the whole pass on state with the components table of the environment's documents folder.
PassResult Recalculate(const ModuleEnvironment& environment, WorkbenchState& state, ComponentsTable& components,
                       CCalibration& calibration, MessageSink& messages,
                       MissingStandardAverages missing = MissingStandardAverages::Told);

// Refits after one point's flag changed, with the components table the last pass read: the
// calibration, the results, the rows and the chart; the calibration's failures are shown as in a
// whole pass.
PassResult RefitPoints(WorkbenchState& state, const ComponentsTable& components, CCalibration& calibration,
                       MessageSink& messages, MissingStandardAverages missing = MissingStandardAverages::Told);

// Whether the points list shows the molar mass, K and Alpha columns (2, 3, 4) for a calibration type.
bool ShowsPointColumn(int32_t gradIndex, int column);
