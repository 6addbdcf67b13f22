// quorvel-calc: the GPC workbench without a window, for scripts, batch work and acceptance checks.
#include "CalcOptions.h"
#include "CalcOutput.h"
#include "CalcReport.h"
#include "CalcRun.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const CalcOptionsResult parsed = ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.ok && parsed.options.help) {
        std::cout << CalcUsage();
        return kCalcOk;
    }
    if (!parsed.ok) {
        std::cerr << "quorvel-calc: " << parsed.description << "\n\n" << CalcUsage();
        return kCalcWrongArguments;
    }
    CalcOutcome outcome = RunCalc(parsed.options);
    if (outcome.status != kCalcOk) {
        std::cerr << "quorvel-calc: " << outcome.error << "\n";
        return outcome.status;
    }
    Status reported;
    if (!parsed.options.report.empty()) {
        // The chart picture needs fonts, which Qt serves only to a GUI application; no display is used.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        reported = WriteCalcReport(outcome, parsed.options.documents, parsed.options.report);
    }
    if (parsed.options.json) WriteCalcJson(std::cout, outcome);
    else WriteCalcText(std::cout, outcome);
    if (!reported) {
        std::cerr << "quorvel-calc: the report " << parsed.options.report
                  << " could not be written: " << reported.Description() << "\n";
        return kCalcReportFailed;
    }
    return kCalcOk;
}
