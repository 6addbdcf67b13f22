// Texts of one row of the calibration points list, shared by the workbench dialog and the headless tool.
// Numbers are formatted with '.' whatever the process locale (the host may use a comma).
#pragma once

#include "gpc/CalibrationPoint.h"

#include <array>
#include <cstdint>
#include <string>

// One row of the calibration points list as the list shows it: the texts of its five columns ("" for a
// column the calibration type does not show), its check box, and the calibration point it shows.
struct PointsListRow {
    std::array<std::string, 5> texts;  // UTF-8
    bool used = true;  // the check box: the point takes part in the fit
    int32_t point = 0;  // index into the calibration's calPoints
    std::array<std::string, 2> fitTexts{};  // the fit's columns, PointFitTexts
};

// Column texts: "%d / %s" (1-based assay position, componentName), time "%.2f" (minutes),
// fitMolarMass "%.2f" (g/mol), K "%.6f", Alpha "%.3f". Non-finite numbers give "inf", "-inf", "nan".
std::array<std::string, 5> PointRowTexts(const CalibrationPoint& point, const std::string& componentName);

// The fit's columns: the molar mass the final calibration gives at the point's time "%.2f" (g/mol) and
// its deviation from the point's molar mass "%.2f" (%); "" where the point has none (an unused point,
// or a run that fitted nothing).
std::array<std::string, 2> PointFitTexts(const CalibrationPoint& point);
