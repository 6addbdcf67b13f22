// What must hold in the workbench window after every action of the random user: its lists against
// what the user did, the points it must show against the demo laboratory's standards, and every
// number against a fresh calculation of the inputs the window shows.
#pragma once

#include "DemoDataSet.h"
#include "FreshCalculation.h"
#include "ShownWorkbench.h"
#include "UserModel.h"

#include <string>

// The assay of the demo set whose file the lists show by this name; null when none.
const DemoAssay* AssayShownAs(const DemoDataSet& set, const std::string& fileName);

// How the checks went: the first broken invariant (empty when all hold) and whether the numbers were
// compared (they are not while an edit the user typed into has not been left).
struct InvariantCheck {
    std::string broken;
    bool numbersCompared = false;
};

// What the window shows, in lines of text, for a failure's report.
std::string ShownText(const ShownWorkbench& shown);

InvariantCheck CheckWorkbench(const ShownWorkbench& shown, const UserModel& model, const DemoDataSet& set,
                              FreshCalculation& fresh);
