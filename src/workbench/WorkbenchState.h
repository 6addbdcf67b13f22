// The workbench's shared state: the ordered assay set with inclusion marks, the selected calibration
// type, dependence and channel, the Mark-Houwink constants, one use flag per calibration point, the
// ten results and the two re-entry guards. The dialog owns one; the headless tool builds its own.
#pragma once

#include "data/Assay.h"

#include <cstdint>
#include <vector>

struct WorkbenchState {
    // Molecular-weight results of the current sample, g/mol (MwMn has no unit).
    double Mn = 0.0;
    double Mw = 0.0;
    double MwMn = 0.0;
    double Mz = 0.0;
    double Mz1 = 0.0;
    double Mp = 0.0;
    // Calibration polynomial coefficients, lowest power first; time in minutes.
    double k0 = 0.0;
    double k1 = 0.0;
    double k2 = 0.0;
    double k3 = 0.0;
    // Mark-Houwink constants of the current sample.
    double K = 1.0;
    double Alpha = 1.0;
    int32_t GradIndex = 0;  // calibration type: 0 monodisperse, 1 polydisperse, 2 universal
    int32_t FormulaIndex = 0;  // dependence: polynomial degree minus one
    int32_t ChannelIndex = 0;  // index into each included assay's channels
    bool PointsReady = false;  // false while the points list is rebuilt
    bool AssaysReady = false;  // false until initialised and while the channel list is rebuilt
    std::vector<Assay> Assays;  // in the order of the assays list
    std::vector<int32_t> PointFlags;  // one per calibration point; 1 = used in the fit
};
