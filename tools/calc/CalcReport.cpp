#include "CalcReport.h"

#include "report/QtReportPlatform.h"
#include "report/ReportBuilder.h"

#include <filesystem>

bool WriteCalcReport(CalcOutcome& outcome, const ModuleEnvironment& environment, const std::string& htmlPath) {
    QtReportPlatform platform;
    ReportBuilder builder(*outcome.messages, platform, environment);
    builder.calibration = outcome.calibration.get();
    builder.assays = &outcome.state.Assays;
    builder.pointsList = &outcome.pass.rows;
    const std::filesystem::path documents = environment.DocumentsFolder().value_or("");
    const std::string stylesheet = (documents / "gel.xsl").string();
    return builder.WriteReport(htmlPath, stylesheet) == 0;
}
