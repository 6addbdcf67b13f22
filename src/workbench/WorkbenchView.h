// What the workbench window shows after an operation, all of it derived from the workbench's state and
// its last pass, so that nothing shown can outlive the data it came from.
#pragma once

#include "gpc/PointRowTexts.h"
#include "workbench/RecalculationPass.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct WorkbenchView {
    int32_t channelEntries = 0;  // the channel combo offers 0 .. channelEntries - 1
    bool dependenceChoosable = true;  // the broad standard's line has no degree to choose
    std::string kText;  // what the K edit holds: the user's own text while it is a number or being typed
    std::string alphaText;
    // Mn, Mw, Mw/Mn, Mz, Mz+1, Mp; all empty when no averages were computed for the last included assay.
    std::array<std::string, 6> averageTexts;
    // k0 .. k3 with 10 significant digits; all empty when no calibration was fitted.
    std::array<std::string, 4> coefficientTexts;
    std::vector<PointsListRow> points;  // one row per calibration point of the included assays
    std::array<bool, 3> pointColumns{};  // whether the points list shows MM, K and Alpha (columns 2 to 4)
    ChartData chart;  // empty series: no curve, no points
    const char* yCaption = nullptr;  // the chart's y caption, UTF-8
};
