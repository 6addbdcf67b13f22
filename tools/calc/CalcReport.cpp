#include "CalcReport.h"

#include "report/QtReportPlatform.h"
#include "report/ReportBuilder.h"

#include <filesystem>

Status WriteCalcReport(CalcOutcome& outcome, const std::string& documents, const std::string& htmlPath) {
    QtReportPlatform platform;
    ReportBuilder builder(platform);
    builder.calibration = outcome.calibration.get();
    builder.assays = &outcome.state.Assays;
    builder.pointsList = &outcome.pass.rows;
    const std::string stylesheet = (std::filesystem::path(documents) / "gel.xsl").string();
    const Status status = builder.WriteReport(htmlPath, stylesheet);
    if (IsToldToUser(status))
        outcome.messages->Show(status.Description(), {}, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    return status;
}
