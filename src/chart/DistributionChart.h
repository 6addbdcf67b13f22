// The molar-mass distribution chart as the workbench and the report show it: the same frame and
// captions as the calibration chart, the differential distribution dw/d(lg M) as a blue line
// (series 0) and the cumulative one as a dark green line (series 1), both against lg M on x. Both
// share the y axis: the differential is normalised to area 1 over lg M, so it stays of the order
// of 1, like the cumulative's 0 to 1.
#pragma once

#include "chart/CAutoPanel.h"

#include <string>
#include <vector>

constexpr int32_t kDifferentialSeries = 0;
constexpr int32_t kCumulativeSeries = 1;

// The x axis caption (lg M) of both the window's and the report's distribution chart, and the y
// axis caption: the window's goes through the translation.
constexpr const char* kDistributionXCaption = "LG(MM)";
constexpr const char* kDistributionYCaption = "dW/dLG(MM), W";

// Styles an empty panel as the distribution chart with the given captions (UTF-8) and adds its two
// series. Call once per panel.
void SetUpDistributionChart(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption);

// Points the two series at one distribution's arrays (not copied: they must stay alive and
// unchanged while the chart may paint). Empty arrays leave an empty chart. Nothing happens to a
// panel that was not set up with SetUpDistributionChart.
void ShowDistribution(CAutoPanel& panel, const std::vector<double>& lgM, const std::vector<double>& w,
                      const std::vector<double>& cumulative);
