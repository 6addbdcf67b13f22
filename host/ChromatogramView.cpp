// The chromatogram chart of the file viewer.
#include "host/ChromatogramView.h"

ChromatogramView::ChromatogramView(const Channel& channel, QWidget* parent) : CAutoCtrl(parent) {
    SetCaptions(tr("Time, min").toStdString(), tr("Signal").toStdString());
    CAutoSeries& curve = series[AddSeries()];
    curve.colour = 0x800000;
    curve.lineKind = CAutoSeries::LinePolyline;
    if (channel.value2 > 0.0) {
        signal_.assign(channel.samples.begin(), channel.samples.end());
        curve.xStart = channel.value1;
        curve.xIncrement = channel.value2;
    }
    curve.count = static_cast<int32_t>(signal_.size());
    curve.yValues = signal_.data();
    curve.UpdateMapping();
}
