// What quorvel-calc prints: readable text, or one JSON object for scripts.
#pragma once

#include "CalcRun.h"

#include <ostream>

// The assays, the points list with its check marks, k0 to k3, the six results ("%.15g") and each
// message box text on a line starting "message: ".
void WriteCalcText(std::ostream& out, const CalcOutcome& outcome);

// One JSON object with the keys assays, points, k, results, curve, plotted and messages. Numbers
// read back as the same double; non-finite ones are the strings "nan", "inf" and "-inf".
void WriteCalcJson(std::ostream& out, const CalcOutcome& outcome);
