// Linear calibration lg M = k1*T + k0 (T in minutes) from the chromatogram of one broad standard whose
// dispersity ratio and reference molar mass (g/mol) are known.
#pragma once

#include "gpc/SliceWindow.h"

#include <vector>

struct BroadStandardLine {
    double k0 = 0.0;
    double k1 = 0.0;
};

// Searches the slope whose distribution ratio F matches ratio over the slices of window (baseline
// fitted), samples value2 minutes apart, then scales k0 to referenceMass. Returns {0, 0} when the
// window is empty or ratio or referenceMass is not finite. Ends for any input; allocates nothing.
BroadStandardLine FitBroadStandard(const std::vector<float>& samples, const SliceWindow& window, double value2,
                                   double ratio, double referenceMass);
