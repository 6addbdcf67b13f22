#include "CalcRun.h"

#include "base/Utf16.h"
#include "data/DataBase.h"
#include "workbench/AssayLoading.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/ChannelList.h"

#include <sys/stat.h>

#include <iostream>
#include <numeric>
#include <optional>

namespace {

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Fails on a file that is not a host database, which loading alone would pass over silently.
void CheckDatabase(DataBase::Handle& db) {
    DataBase::ForEachRow<int64_t>(DataBase::Prepare(db, "SELECT count(*) FROM [assay];"), [](int64_t) {});
}

void LoadAssays(const CalcOptions& options, const ModuleEnvironment& environment, WorkbenchState& state) {
    DataBase::Handle db(environment.DatabaseLocation());
    CheckDatabase(db);
    for (const CalcAssay& wanted : options.assays) {
        const int32_t index = LoadAssay(db, wanted.id, state.Assays).index;
        if (index < 0) {
            std::cerr << "quorvel-calc: assay " << wanted.id << " not found, skipped\n";
            continue;
        }
        state.Assays[index].included = wanted.included;
    }
}

// As choosing the channel in the workbench: an index that an included assay lacks becomes 0.
int32_t ChannelIndexFor(const WorkbenchState& state, int32_t wanted) {
    for (const Assay& assay : state.Assays)
        if (assay.included != 0 && static_cast<size_t>(wanted) + 1 > assay.channels.size()) return 0;
    return wanted;
}

// As typing K and Alpha into the workbench: values above 100 are refused, K = 0 means 1.
void ApplyConstants(const CalcOptions& options, WorkbenchState& state, MessageSink& messages) {
    state.K = options.k;
    if (state.K > 100.0) {
        messages.Show(MessageId::KTooLarge);
        state.K = 1.0;
    }
    if (state.K == 0.0) state.K = 1.0;
    state.Alpha = options.alpha;
    if (state.Alpha > 100.0) {
        messages.Show(MessageId::AlphaTooLarge);
        state.Alpha = 1.0;
    }
}

// As the workbench's edits of the standards: 0 leaves a value out, and so does K or Alpha above 100,
// refused with its message.
std::optional<double> Given(std::optional<double> value, std::optional<MessageId> tooLarge, MessageSink& messages) {
    if (value && tooLarge && *value > 100.0) {
        messages.Show(*tooLarge);
        return std::nullopt;
    }
    if (value == 0.0) return std::nullopt;
    return value;
}

void ApplyStandards(const CalcOptions& options, WorkbenchState& state, MessageSink& messages) {
    state.Standards.K = Given(options.standardK, MessageId::KTooLarge, messages);
    state.Standards.Alpha = Given(options.standardAlpha, MessageId::AlphaTooLarge, messages);
    state.Standards.broadMn = Given(options.broadMn, std::nullopt, messages);
    state.Standards.broadMw = Given(options.broadMw, std::nullopt, messages);
}

void ApplySettings(const CalcOptions& options, WorkbenchState& state, MessageSink& messages) {
    state.GradIndex = options.gradIndex;
    state.FormulaIndex = options.formulaIndex;
    RebuildChannels(state, -1, messages);
    state.ChannelIndex = ChannelIndexFor(state, options.channelIndex);
    state.PointFlags = RebuildPointFlags(state.Assays, state.ChannelIndex);
    for (size_t i = 0; i < options.flags.size() && i < state.PointFlags.size(); ++i)
        state.PointFlags[i] = options.flags[i];
    ApplyConstants(options, state, messages);
    ApplyStandards(options, state, messages);
}

CalcOutcome Stop(CalcOutcome outcome, CalcStatus status, const std::string& error) {
    outcome.status = status;
    outcome.error = error;
    return outcome;
}

}  // namespace

CalcOutcome RunCalc(const CalcOptions& options, const ModuleEnvironment& environment) {
    CalcOutcome outcome;
    // The module reads the documents folder from a profile value of at most 127 characters.
    if (ToUtf16(options.documents).size() > 127)
        return Stop(std::move(outcome), kCalcWrongArguments, "--docs is longer than 127 characters");
    if (!IsRegularFile(options.database))
        return Stop(std::move(outcome), kCalcDatabaseFailed, "no database file " + options.database);
    try {
        LoadAssays(options, environment, outcome.state);
    } catch (const DataBase::SqlException& e) {
        return Stop(std::move(outcome), kCalcDatabaseFailed, e.what());
    }
    if (outcome.state.Assays.empty()) return Stop(std::move(outcome), kCalcCannotRun, "no assay loaded");
    const std::string components = ComponentsFilePath(environment, kComponentsFileName);
    if (!IsRegularFile(components)) return Stop(std::move(outcome), kCalcCannotRun, "no components file " + components);

    ApplySettings(options, outcome.state, *outcome.messages);
    // Every calculated assay's distribution, for the JSON output.
    std::vector<int32_t>& distributed = outcome.calibration->DistributionAssays;
    distributed.resize(outcome.state.Assays.size());
    std::iota(distributed.begin(), distributed.end(), 0);
    ComponentsTable table;
    outcome.pass = Recalculate(environment, outcome.state, table, *outcome.calibration, *outcome.messages);
    if (!outcome.pass.ran) return Stop(std::move(outcome), kCalcCannotRun, "the calculation did not run");
    return outcome;
}
