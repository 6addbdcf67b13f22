// The workbench's shared state: the ordered assay set with inclusion marks, the selected calibration
// type, dependence and channel, the Mark-Houwink constants, what is known of the standards, one use
// flag per calibration point, the ten results. The dialog owns one; the headless tool builds its own.
#pragma once

#include "data/Assay.h"
#include "gpc/CalibrationResults.h"
#include "gpc/CalibrationStandards.h"

#include <cstdint>
#include <vector>

struct WorkbenchState {
    CalibrationResults results;  // of the current sample, as the last calibration run left them
    // Mark-Houwink constants of the current sample.
    double K = 1.0;
    double Alpha = 1.0;
    CalibrationStandards Standards;  // the narrow standards' constants, the broad standard's Mn and Mw
    int32_t GradIndex = 0;  // calibration type: 0 monodisperse, 1 polydisperse, 2 universal
    int32_t FormulaIndex = 0;  // dependence: polynomial degree minus one
    int32_t ChannelIndex = 0;  // index into each included assay's channels
    std::vector<Assay> Assays;  // in the order of the assays list
    std::vector<int32_t> PointFlags;  // one per calibration point; 1 = used in the fit
};
