// The date text of an assay through the C library's local time.
#include "data/AssayDateText.h"

#include <ctime>

std::string AssayDateText(int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    char text[32];
    if (!localtime_r(&time, &local) || std::strftime(text, sizeof text, "%d.%m.%y  %R", &local) == 0)
        return "--.--.--  --:--";
    return text;
}
