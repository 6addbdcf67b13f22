// One run of quorvel-calc: what the workbench shows after restoring an assay set and settings.
#pragma once

#include "CalcOptions.h"
#include "base/MessageSink.h"
#include "base/ModuleEnvironment.h"
#include "gpc/CCalibration.h"
#include "workbench/RecalculationPass.h"
#include "workbench/WorkbenchState.h"

#include <memory>
#include <string>
#include <vector>

// Exit statuses of quorvel-calc.
enum CalcStatus : int {
    kCalcOk = 0,
    kCalcWrongArguments = 2,
    kCalcDatabaseFailed = 3,
    kCalcCannotRun = 4,
    kCalcReportFailed = 5,
    kCalcTableFailed = 6,
};

struct CalcOutcome {
    CalcStatus status = kCalcOk;
    std::string error;  // why the run stopped, for stderr; "" when it ran
    WorkbenchState state;  // assays, settings and the ten results
    PassResult pass;  // the points list and the chart series
    // Every message box text, in order.
    std::unique_ptr<RecordingMessageSink> messages = std::make_unique<RecordingMessageSink>();
    std::unique_ptr<CCalibration> calibration = std::make_unique<CCalibration>();
};

// Loads the assays from the environment's database, applies marks and settings as the workbench would,
// and runs the recalculation pass with the components table of its documents folder. Never throws:
// database failures give kCalcDatabaseFailed with SQLite's text.
CalcOutcome RunCalc(const CalcOptions& options, const ModuleEnvironment& environment);
