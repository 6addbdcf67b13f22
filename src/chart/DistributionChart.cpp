// The distribution chart settings shared by the workbench and the report.
#include "chart/DistributionChart.h"

#include "chart/CalibrationChart.h"

void SetUpDistributionChart(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption) {
    SetUpChartFrame(panel, xCaption, yCaption);
    CAutoSeries& differential = panel.series[panel.AddSeries()];
    differential.colour = 0xFF0000;
    differential.lineKind = CAutoSeries::LinePolyline;
    CAutoSeries& cumulative = panel.series[panel.AddSeries()];
    cumulative.colour = 0x008000;
    cumulative.lineKind = CAutoSeries::LinePolyline;
}

void ShowDistribution(CAutoPanel& panel, const std::vector<double>& lgM, const std::vector<double>& w,
                      const std::vector<double>& cumulative) {
    if (panel.series.size() <= kCumulativeSeries) return;
    PointSeriesAt(panel.series[kDifferentialSeries], lgM, w);
    PointSeriesAt(panel.series[kCumulativeSeries], lgM, cumulative);
}
