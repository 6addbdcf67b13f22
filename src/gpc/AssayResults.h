// What a calibration run computed for one included assay, with the calibration the run ended with.
#pragma once

#include "gpc/MolarMassAverages.h"
#include "gpc/MolarMassDistribution.h"

#include <cstdint>

struct AssayResults {
    int32_t assayIndex = 0;  // into the calibration's Assays
    MolarMassAverages averages;
    // Share of the area above the baseline, %, whose slices lie before the earliest or after the latest
    // time of the used points the final calibration was fitted to; 0 when there is no such point (the
    // broad standard); NaN when the area is 0.
    double outsideRange = 0.0;
    // From the same slices as the averages; empty unless the run was asked for it (DistributionAssays).
    MolarMassDistribution distribution;
};
