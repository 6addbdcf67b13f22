// What the workbench window shows after an operation, all of it derived from the workbench's state and
// its last pass, so that nothing shown can outlive the data it came from.
#pragma once

#include "gpc/MolarMassDistribution.h"
#include "gpc/PointRowTexts.h"
#include "gpc/SampleRowTexts.h"
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
    // The universal calibration's edits of the standards' K and Alpha, and the broad standard's edits of
    // its Mn and Mw (g/mol): the user's own text while it is a number or being typed; empty when not given.
    std::string standardKText;
    std::string standardAlphaText;
    std::string broadMnText;
    std::string broadMwText;
    bool standardConstantsShown = false;  // the universal calibration is chosen
    bool broadStandardShown = false;  // the broad standard is chosen
    // Mn, Mw, Mw/Mn, Mz, Mz+1, Mp of the selected sample; all empty when none is selected.
    std::array<std::string, 6> averageTexts;
    // k0 .. k3 with 10 significant digits; all empty when no calibration was fitted.
    std::array<std::string, 4> coefficientTexts;
    // R^2 and the standard error of Y over the plotted points; empty when no calibration was fitted or
    // the measure is undefined.
    std::array<std::string, 2> fitTexts;
    // The results list: one row per included assay the last pass calculated, in list order, each from
    // the fitted calibration; empty when no calibration was fitted.
    std::vector<SampleRow> samples;
    // The row of samples whose averages and distribution are shown: the one the user chose while it
    // is listed, else the last included assay's when it was calculated; -1 for none.
    int32_t selectedSample = -1;
    MolarMassDistribution distribution;  // of the selected sample; empty when none
    std::vector<PointsListRow> points;  // one row per calibration point of the included assays
    std::array<bool, 3> pointColumns{};  // whether the points list shows MM, K and Alpha (columns 2 to 4)
    ChartData chart;  // empty series: no curve, no points
    const char* yCaption = nullptr;  // the chart's y caption, UTF-8
};
