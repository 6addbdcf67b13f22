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
    std::vector<PointsListRow> rows;  // the new points list, when ran
    std::optional<ChartData> chart;  // the new series; empty when the chart keeps its previous ones
};

// Runs the whole pass on state with the components table of the environment's documents folder;
// PointsReady is true again only when it ran to the end.
PassResult Recalculate(const ModuleEnvironment& environment, WorkbenchState& state, ComponentsTable& components,
                       CCalibration& calibration, MessageSink& messages);

// Refits after one point's flag changed: the calibration and the results only, the rows stay as they
// are; the calibration's failures are shown as in a whole pass. The new chart series, or empty when
// the chart keeps its previous ones.
std::optional<ChartData> RefitPoints(WorkbenchState& state, CCalibration& calibration, MessageSink& messages);

// Whether the points list shows the molar mass, K and Alpha columns (2, 3, 4) for a calibration type.
bool ShowsPointColumn(int32_t gradIndex, int column);
