// The report's desktop side with Qt: the chart picture is a 32-bit QImage drawn through QtCanvas and
// saved as PNG, and pages are opened with QDesktopServices (xdg-open).
#pragma once

#include "report/ReportPlatform.h"

class QtReportPlatform : public ReportPlatform {
public:
    // False when the picture cannot be made (width or height not positive) or saved.
    bool SavePicture(int32_t width, int32_t height, const std::function<void(Canvas&)>& draw,
                     const std::string& path) override;
    void Open(const std::string& path) override;
};
