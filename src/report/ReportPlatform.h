// What the report needs of the desktop: a picture to draw the chart into, saved as PNG, and the
// program that opens a file. The Qt layer implements it; tests record what is asked.
#pragma once

#include "chart/Canvas.h"

#include <cstdint>
#include <functional>
#include <string>

class ReportPlatform {
public:
    virtual ~ReportPlatform() = default;
    // Makes a white width x height picture (pixels), lets draw paint it and saves it as PNG at path;
    // false when it was not saved.
    virtual bool SavePicture(int32_t width, int32_t height, const std::function<void(Canvas&)>& draw,
                             const std::string& path) = 0;
    // Opens the file with the program the desktop associates with its type; the outcome is not reported.
    virtual void Open(const std::string& path) = 0;
};
