// Linear calibration lg M = k0 + k1*T (T in minutes) from the chromatogram of one broad standard whose
// Mn and Mw (g/mol) are known.
#pragma once

#include "base/Status.h"
#include "data/Channel.h"
#include "gpc/SliceWindow.h"

struct BroadStandardLine {
    double k0 = 0.0;
    double k1 = 0.0;  // 1/min, negative
};

struct BroadStandardFit {
    Status status;  // why the chromatogram gives no line; ok with one
    BroadStandardLine line;
};

// The line with k1 < 0 under which the slices of window on channel (baseline fitted, as the averages
// read them) have Mn = mn and Mw = mw within 1e-6 relative; mn and mw positive and finite. Refused
// with BroadStandardRatioUnreachable when Mw/Mn <= 1 or beyond what a slope of 30 decades of M over
// the slices' time span gives. Ends for any input; allocates nothing.
BroadStandardFit FitBroadStandard(const Channel& channel, const SliceWindow& window, double mn, double mw);
