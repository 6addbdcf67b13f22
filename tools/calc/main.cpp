// quorvel-calc: the GPC workbench without a window, for scripts, batch work and acceptance checks.
#include "CalcOptions.h"
#include "CalcOutput.h"
#include "CalcRun.h"

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
    const CalcOutcome outcome = RunCalc(parsed.options);
    if (outcome.status != kCalcOk) {
        std::cerr << "quorvel-calc: " << outcome.error << "\n";
        return outcome.status;
    }
    if (parsed.options.json) WriteCalcJson(std::cout, outcome);
    else WriteCalcText(std::cout, outcome);
    return kCalcOk;
}
