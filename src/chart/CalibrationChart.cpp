// The calibration chart settings shared by the workbench and the report.
#include "chart/CalibrationChart.h"

#include <algorithm>

void PointSeriesAt(CAutoSeries& s, const std::vector<double>& x, const std::vector<double>& y) {
    s.count = static_cast<int32_t>(std::min(x.size(), y.size()));
    s.xValues = x.data();
    s.yValues = y.data();
    s.UpdateMapping();
}

void SetUpChartFrame(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption) {
    panel.style = CAutoAxis::kStyleClosedFrame;
    panel.captionColour = 0xFF0000;
    panel.captionFont = FontDescription{};
    panel.captionFont.height = 25;
    panel.captionFont.charSet = 204;
    panel.captionFont.face = "Arial";
    panel.SetCaptions(xCaption, yCaption);
}

void SetUpCalibrationChart(CAutoPanel& panel, const std::string& xCaption, const std::string& yCaption) {
    SetUpChartFrame(panel, xCaption, yCaption);

    CAutoSeries& curve = panel.series[panel.AddSeries()];
    curve.colour = 0x0000FF;
    curve.lineKind = CAutoSeries::LinePolyline;
    CAutoSeries& points = panel.series[panel.AddSeries()];
    points.colour = 0xFF0000;
    points.lineKind = CAutoSeries::LineNone;
    points.markerKind = CAutoSeries::MarkerDiagonalCross;
}

void ShowCalibration(CAutoPanel& panel, const std::vector<double>& curveX, const std::vector<double>& curveY,
                     const std::vector<double>& pointX, const std::vector<double>& pointY) {
    if (panel.series.size() <= kCalibrationPointSeries) return;
    PointSeriesAt(panel.series[kCalibrationCurveSeries], curveX, curveY);
    PointSeriesAt(panel.series[kCalibrationPointSeries], pointX, pointY);
}
