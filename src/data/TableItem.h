// One row of a channel's peak table, as stored in the chromatogram file's XML part.
// Times are in minutes; molarMass (g/mol) and componentText are filled by the recalculation pass.
#pragma once

#include <cstdint>
#include <string>

struct TableItem {
    double front = 0.0;
    double back = 0.0;
    double time = 0.0;  // retention time, minutes
    double area = 0.0;
    double height = 0.0;
    double concent = 0.0;  // concentration
    double molarMass = 0.0;  // g/mol; never stored in the file
    std::string name;  // component name
    std::string componentText;  // display name from the components table; never stored in the file
    bool reference = false;
    int32_t left = -1;
    int32_t right = -1;
    uint32_t flags = 0;
    double frontBaseHeight = 0.0;
    double backBaseHeight = 0.0;
    double index = 0.0;
};
