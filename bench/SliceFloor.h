// The floor of the calculation (figure 6): a tight loop over the same slices as a calibration run that
// does the least the averages need per slice, one sample, its baseline, the polynomial, one power of
// ten, one division, five sums and the running maximum, and nothing else.
#pragma once

#include "data/Channel.h"
#include "gpc/CCalibration.h"
#include "gpc/SliceWindow.h"

#include <vector>

class SliceFloor {
public:
    // The slices of every assay the calibration's last run calculated, with that run's coefficients
    // (monodisperse: M = 10^Y). The channels are shared, not copied.
    explicit SliceFloor(const CCalibration& calibration);

    // One loop over all the slices; a number that depends on every one of them.
    double Run() const;

private:
    struct Slices {
        Channel channel;
        SliceWindow window;
    };

    std::vector<Slices> assays_;
    CalibrationResults coefficients_;
};
