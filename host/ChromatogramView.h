// One detector channel of a chromatogram file drawn with the module's chart: the signal against
// retention time (minutes), zoomed by dragging a rectangle as in the workbench.
#pragma once

#include "chart/CAutoCtrl.h"
#include "data/Channel.h"

#include <vector>

class ChromatogramView : public CAutoCtrl {
    Q_OBJECT
public:
    // Draws channel's samples from value1 every value2 minutes; a channel without samples, or with
    // a sampling interval that is not positive, shows an empty chart.
    ChromatogramView(const Channel& channel, QWidget* parent);

private:
    std::vector<double> signal_;  // the series points at these; float samples widened
};
