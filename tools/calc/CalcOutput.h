// What quorvel-calc prints: readable text, or one JSON object for scripts.
#pragma once

#include "CalcRun.h"

#include <ostream>

// The assays, the points list with its check marks, k0 to k3, the six results ("%.15g"), each
// message box text on a line starting "message: ", then the samples table (a title line, then per
// calculated assay its id, sample name, six averages and outside range %, two blanks apart, numbers
// "%.15g") and the fit's degree, R^2 and standard error ("undefined" where there is none).
void WriteCalcText(std::ostream& out, const CalcOutcome& outcome);

// One JSON object with the keys assays, points (each with the fitted molar mass and deviation, null
// for an unused point), k, results, curve, plotted, messages, samples (per calculated assay: id,
// sample, isCalibration, the six averages, outsideRange and mwd with lgM, w and cumulative) and fit
// (degree, r2, stdError; null where undefined). Numbers read back as the same double; non-finite
// ones are the strings "nan", "inf" and "-inf".
void WriteCalcJson(std::ostream& out, const CalcOutcome& outcome);
