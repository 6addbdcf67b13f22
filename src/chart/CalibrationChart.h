// The calibration chart as the workbench and the report show it: a closed frame without grid,
// blue captions, the fitted curve as a red line (series 0) and the calibration points as blue
// diagonal crosses (series 1). x is the retention time in minutes, y the decimal logarithm.
#pragma once

#include "chart/CAutoPanel.h"

#include <string>
#include <vector>

constexpr int32_t kCalibrationCurveSeries = 0;
constexpr int32_t kCalibrationPointSeries = 1;

// The time axis captions: the workbench window's (it goes through the translation) and the report
// picture's.
constexpr const char* kWindowTimeCaption = "Время,мин";
constexpr const char* kReportTimeCaption = "Время [мин]";
// The y axis captions: lg M, and lg(K * M^Alpha * M) of the universal calibration.
constexpr const char* kMolarMassCaption = "LG(MM)";
constexpr const char* kUniversalMolarMassCaption = "LG(K*MM^ALPHA*MM)";

// Points series s at the arrays (not copied), taking the shorter length of the two.
void PointSeriesAt(CAutoSeries& s, const std::vector<double>& x, const std::vector<double>& y);

// The frame and captions (UTF-8) the module's charts share: a closed frame without grid, blue
// captions of 25 pixels.
void SetUpChartFrame(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption);

// Styles an empty panel as the calibration chart with the given captions (UTF-8) and adds its two
// series. Call once per panel.
void SetUpCalibrationChart(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption);

// Points the two series at the curve and the points (not copied: the vectors must stay alive and
// unchanged while the chart may paint). Each series takes the shorter length of its x and y.
// Nothing happens to a panel that was not set up with SetUpCalibrationChart.
void ShowCalibration(CAutoPanel& panel, const std::vector<double>& curveX, const std::vector<double>& curveY,
                     const std::vector<double>& pointX, const std::vector<double>& pointY);
