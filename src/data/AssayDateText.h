// An assay's date as the workbench lists it and the report prints it.
#pragma once

#include <cstdint>
#include <string>

// seconds since 1970 as "%d.%m.%y  %R" in local time; "--.--.--  --:--" for a date the calendar
// cannot show.
std::string AssayDateText(int64_t seconds);
