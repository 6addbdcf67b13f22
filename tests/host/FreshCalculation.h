// What the workbench must show for the inputs its window shows: the assays loaded afresh from the
// host database and one recalculation pass run on them without any window and without the history of
// operations that led there, with the module's own display-free layers.
#pragma once

#include "base/FixedEnvironment.h"
#include "data/Assay.h"
#include "gpc/CalibrationStandards.h"
#include "gpc/PointRowTexts.h"
#include "gpc/SampleRowTexts.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The calculation's inputs as a user reads them from the window.
struct WorkbenchInputs {
    std::vector<int32_t> ids;  // [assay].id of the listed assays, in list order
    std::vector<bool> included;  // their check boxes
    int32_t type = 0;
    int32_t dependence = 0;
    int32_t channel = 0;
    double K = 1.0;  // dL/g
    double Alpha = 1.0;
    CalibrationStandards standards;
    std::vector<bool> pointsUsed;  // the points list's check boxes, row by row
};

// What the window must show for them.
struct FreshView {
    std::vector<PointsListRow> points;
    std::vector<SampleRow> samples;  // the results list; empty when no calibration was fitted
    bool lastCalculated = false;  // the last included assay got its averages (its row shows by default)
    std::array<std::string, 4> coefficients;  // empty when no calibration was fitted
    std::array<std::string, 2> fit;
};

class FreshCalculation {
public:
    // The demo laboratory's documents folder (components table) and host database.
    FreshCalculation(const std::string& documentsFolder, const std::string& database);

    FreshView Of(const WorkbenchInputs& inputs);

private:
    // The assay as the database and its file give it, read once.
    const Assay& Loaded(int32_t id);

    FixedEnvironment environment_;
    std::map<int32_t, Assay> loaded_;
};
