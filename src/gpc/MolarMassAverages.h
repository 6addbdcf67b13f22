// The molecular-weight averages of one sample, g/mol (MwMn has no unit).
#pragma once

struct MolarMassAverages {
    double Mn = 0.0;  // number average
    double Mw = 0.0;  // weight average
    double MwMn = 0.0;  // dispersity Mw / Mn
    double Mz = 0.0;  // z average
    double Mz1 = 0.0;  // z+1 average
    double Mp = 0.0;  // at the highest slice
};
