// Texts of one row of the calibration points list, shared by the workbench dialog and the headless tool.
// Numbers are formatted with '.' whatever the process locale (the host may use a comma).
#pragma once

#include "gpc/CalibrationPoint.h"

#include <array>
#include <string>

// Column texts: "%d / %s" (1-based assay position, componentName), time "%.2f" (minutes),
// fitMolarMass "%.2f" (g/mol), K "%.6f", Alpha "%.3f". Non-finite numbers give "inf", "-inf", "nan".
std::array<std::string, 5> PointRowTexts(const CalibrationPoint& point, const std::string& componentName);

