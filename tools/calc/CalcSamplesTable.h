// The samples table of quorvel-calc: each calculated assay with its results from the run's final
// calibration, as the text and JSON outputs list it and as the CSV file holds it.
#pragma once

#include "CalcRun.h"
#include "data/Assay.h"
#include "gpc/AssayResults.h"

#include <string>
#include <vector>

struct CalcSample {
    const Assay* assay = nullptr;  // the calibration's copy of the assay
    const AssayResults* results = nullptr;  // its entry in the calibration's assayResults
};

// One row per entry of the outcome's calibration's assayResults, in assay order; the pointers are
// valid while the outcome lives and its calibration does not run again.
std::vector<CalcSample> CalcSamples(const CalcOutcome& outcome);

// Writes the table to path, UTF-8 without a byte order mark, lines ending in "\n": the header
// "id,sample,Mn,Mw,MwMn,Mz,Mz1,Mp,outsideRange", then one line per sample. Numbers have "." as the
// decimal mark whatever the locale and read back as the same double (non-finite ones are "nan", "inf",
// "-inf"); a sample name holding a comma, a quote or a line break is quoted, its quotes doubled. The
// file is replaced only once complete. False, with errno's description in error, when it cannot be.
bool WriteCalcCsv(const CalcOutcome& outcome, const std::string& path, std::string& error);
