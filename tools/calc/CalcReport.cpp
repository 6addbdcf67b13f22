#include "CalcReport.h"

#include "report/QtReportPlatform.h"
#include "report/ReportBuilder.h"

#include <filesystem>

Status WriteCalcReport(CalcOutcome& outcome, const ModuleEnvironment& environment, const std::string& htmlPath) {
    QtReportPlatform platform;
    ReportBuilder builder(platform, environment);
    builder.calibration = outcome.calibration.get();
    builder.assays = &outcome.state.Assays;
    builder.pointsList = &outcome.pass.rows;
    const std::filesystem::path documents = environment.DocumentsFolder().value_or("");
    const std::string stylesheet = (documents / "gel.xsl").string();
    const Status status = builder.WriteReport(htmlPath, stylesheet);
    if (IsToldToUser(status))
        outcome.messages->Show(status.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    return status;
}
