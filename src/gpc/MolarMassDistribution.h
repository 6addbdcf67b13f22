// The differential molar-mass distribution of one sample, w = dw/d(lg M) against lg M, with its
// cumulative, as the slices of its chromatogram give it.
#pragma once

#include <vector>

struct MolarMassDistribution {
    std::vector<double> lgM;  // lg(M / (g/mol)), ascending
    std::vector<double> w;  // dw/d(lg M), scaled so that its trapezoid integral over lgM is 1
    std::vector<double> cumulative;  // running trapezoid integral of w: 0 at the first element, 1 at the last
};

// Appends one slice in any order: lg M at its retention time, its height above the baseline (detector
// units) and the calibration's d(lg M)/dt there (1/min); w = height / |slope|. A slice whose slope is 0
// or whose slope or lg M is not finite is left out. Call Normalise once all are added.
void AddSlice(MolarMassDistribution& distribution, double lgM, double height, double slope);

// Orders the added slices by ascending lg M, then fills cumulative and scales w and cumulative so that
// the area is 1. Empties the distribution when fewer than two slices were added or their area is not a
// positive finite number (nothing to normalise).
void Normalise(MolarMassDistribution& distribution);
