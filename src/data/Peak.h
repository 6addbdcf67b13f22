// One row of the host database table [peak]. A NULL column reads as 0, 0.0 or "".
#pragma once

#include <cstdint>
#include <string>

struct Peak {
    std::string nameId;  // column nameid, read as text whatever its stored type
    std::string name;  // component name; never empty (rows without a name are dropped)
    double area = 0.0;
    double time = 0.0;  // retention time, minutes
    double concentration = 0.0;
    double height = 0.0;
    int32_t channel = 0;  // detector channel number
    double front = 0.0;  // peak start, minutes
    double back = 0.0;  // peak end, minutes
    std::string spareText;
    int32_t spareNumber = 0;
};
