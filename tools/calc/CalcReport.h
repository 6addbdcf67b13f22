// The HTML report of a quorvel-calc run, as the workbench's report button makes it, written to a
// chosen file instead of the temporary folder and never opened.
#pragma once

#include "CalcRun.h"

#include <string>

// Writes htmlPath (the chart picture beside it, as .png) with gel.xsl of the environment's documents
// folder; false when the document or the transformation failed (a document error is added to the messages).
bool WriteCalcReport(CalcOutcome& outcome, const ModuleEnvironment& environment, const std::string& htmlPath);
