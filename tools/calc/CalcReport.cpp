#include "CalcReport.h"

#include "report/QtReportPlatform.h"
#include "report/ReportBuilder.h"

#include <filesystem>

bool WriteCalcReport(CalcOutcome& outcome, const std::string& documents, const std::string& htmlPath) {
    QtReportPlatform platform;
    ReportBuilder builder(*outcome.messages, platform);
    builder.calibration = outcome.calibration.get();
    builder.assays = &outcome.state.Assays;
    builder.pointsList = &outcome.pass.rows;
    const std::string stylesheet = (std::filesystem::path(documents) / "gel.xsl").string();
    return builder.WriteReport(htmlPath, stylesheet) == 0;
}
