// The HTML report of a quorvel-calc run, as the workbench's report button makes it, written to a
// chosen file instead of the temporary folder and never opened.
#pragma once

#include "CalcRun.h"
#include "base/Status.h"

#include <string>

// Writes htmlPath (the chart picture beside it, as .png) with gel.xsl of the environment's documents
// folder. A document that cannot be built is also added to the messages, as the workbench would show it.
Status WriteCalcReport(CalcOutcome& outcome, const ModuleEnvironment& environment, const std::string& htmlPath);
