// quorvel-calc: the GPC workbench without a window, for scripts, batch work and acceptance checks.
#include "CalcOptions.h"
#include "CalcOutput.h"
#include "CalcReport.h"
#include "CalcRun.h"
#include "CalcSamplesTable.h"
#include "base/FixedEnvironment.h"

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
    // The folder and database the arguments name stand for what a host would tell the module.
    FixedEnvironment environment(parsed.options.documents, parsed.options.database);
    environment.language = parsed.options.language;
    CalcOutcome outcome = RunCalc(parsed.options, environment);
    if (outcome.status != kCalcOk) {
        std::cerr << "quorvel-calc: " << outcome.error << "\n";
        return outcome.status;
    }
    Status reported;
    if (!parsed.options.report.empty()) {
        // The chart picture needs fonts, which Qt serves only to a GUI application; no display is used.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        reported = WriteCalcReport(outcome, environment, parsed.options.report);
    }
    std::string tableError;
    const bool tabled = parsed.options.csv.empty() || WriteCalcCsv(outcome, parsed.options.csv, tableError);
    if (parsed.options.json)
        WriteCalcJson(std::cout, outcome);
    else
        WriteCalcText(std::cout, outcome);
    if (!reported) {
        std::cerr << "quorvel-calc: the report " << parsed.options.report
                  << " could not be written: " << reported.Description() << "\n";
    }
    if (!tabled) {
        std::cerr << "quorvel-calc: the samples table " << parsed.options.csv << " could not be written: " << tableError
                  << "\n";
    }
    if (!reported) return kCalcReportFailed;
    return tabled ? kCalcOk : kCalcTableFailed;
}
