// The ten results of a calibration run: the molecular-weight averages of the last calculated assay and
// the coefficients of the calibration polynomial. The calibration and the workbench state each hold one
// and hand it over whole.
#pragma once

struct CalibrationResults {
    // Molecular-weight averages, g/mol (MwMn has no unit).
    double Mn = 0.0;
    double Mw = 0.0;
    double MwMn = 0.0;
    double Mz = 0.0;
    double Mz1 = 0.0;
    double Mp = 0.0;
    // Y = k3*T^3 + k2*T^2 + k1*T + k0, time T in minutes.
    double k0 = 0.0;
    double k1 = 0.0;
    double k2 = 0.0;
    double k3 = 0.0;
};
