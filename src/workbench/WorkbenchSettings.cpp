#include "workbench/WorkbenchSettings.h"

#include "base/NumberText.h"
#include "data/DataBase.h"
#include "workbench/AssayLoading.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace {

constexpr int kStoredAssaysLimit = 100;  // a set this large is not stored
constexpr int kRestoredAssaysLimit = 1024;
// Flags stored: the host returns at most 127 characters of a text, so a longer set is not stored (an
// empty text instead) and a text that long may be cut short and is not restored.
constexpr size_t kPointFlagsLimit = 120;

// The standards' values: kept as texts, so that a value not given is an empty one.
constexpr std::pair<const char*, std::optional<double> CalibrationStandards::*> kStandardsKeys[] = {
    {"StandardK", &CalibrationStandards::K},
    {"StandardAlpha", &CalibrationStandards::Alpha},
    {"BroadMn", &CalibrationStandards::broadMn},
    {"BroadMw", &CalibrationStandards::broadMw},
};

std::string AssayKey(int number) { return "Assay " + std::to_string(number); }

std::optional<double> ReadGiven(const std::string& text) {
    const std::optional<double> value = ParseWholeDouble(text);
    if (value && std::isfinite(*value)) return value;
    return std::nullopt;
}

// The id widened with its sign to 64 bits and printed unsigned, then the mark: "%llu/%d".
std::string AssayEntry(const Assay& assay) {
    const auto widened = static_cast<unsigned long long>(static_cast<long long>(assay.id));
    return std::to_string(widened) + "/" + std::to_string(assay.included);
}

// Loads one stored entry; false when it names no assay to load (empty, no "/", no identifier). The
// database is opened at the first entry that needs it and kept in db for the rest of the set; a
// database error is left in databaseError.
bool RestoreEntry(const ModuleEnvironment& environment, const std::string& entry, std::optional<DataBase::Handle>& db,
                  std::vector<Assay>& assays, Status& databaseError) {
    const std::string::size_type slash = entry.find('/');
    if (entry.empty() || slash == std::string::npos || slash == 0) return false;
    try {
        if (!db) db.emplace(environment.DatabaseLocation());
        const AssayLoad load = LoadAssay(*db, ParseLeadingInt(entry.substr(0, slash)), assays);
        if (load.index >= 0) assays[load.index].included = ParseLeadingInt(entry.substr(slash + 1));
        if (!load.status) databaseError = load.status;
    } catch (const DataBase::SqlException& e) {
        databaseError = Status::Failed(MessageId::DatabaseError, e.what());
    }
    return true;
}

}  // namespace

void SaveAssaySet(const Profile& profile, const std::vector<Assay>& assays) {
    for (int n = 1; n <= kStoredAssaysLimit; ++n) profile.DeleteParameter("", AssayKey(n));
    if (assays.size() >= kStoredAssaysLimit) return;
    for (size_t j = 0; j < assays.size(); ++j)
        profile.SetString("", AssayKey(static_cast<int>(j) + 1), AssayEntry(assays[j]));
}

void SaveWorkbenchValues(const Profile& profile, const WindowRect& rect, const WorkbenchState& state) {
    profile.SetInt("", "WindowRect_btx", rect.right);
    profile.SetInt("", "WindowRect_bty", rect.bottom);
    profile.SetInt("", "WindowRect_tlx", rect.left);
    profile.SetInt("", "WindowRect_tly", rect.top);
    profile.SetInt("", "ComboGrad_CurSel", state.GradIndex);
    profile.SetInt("", "ComboFormula_CurSel", state.FormulaIndex);
    profile.SetInt("", "ComboChannel_CurSel", state.ChannelIndex);
    std::string flags;
    for (int32_t flag : state.PointFlags) flags += flag != 0 ? '1' : '0';
    profile.SetString("", "PointFlags", flags.size() <= kPointFlagsLimit ? flags : std::string());
    profile.SetDouble("", "K", state.K);
    profile.SetDouble("", "Alpha", state.Alpha);
    for (const auto& [key, value] : kStandardsKeys) {
        const std::optional<double>& given = state.Standards.*value;
        profile.SetString("", key, given ? FormatShortest(*given) : std::string());
    }
}

int RestoreAssaySet(const Profile& profile, const ModuleEnvironment& environment, std::vector<Assay>& assays,
                    MessageSink& messages) {
    assays.clear();
    int counted = 0;
    Status databaseError;
    std::optional<DataBase::Handle> db;  // opened at the first entry with an identifier, for the whole set
    for (int n = 1; n <= kRestoredAssaysLimit; ++n) {
        const std::string entry = profile.GetString("", AssayKey(n), "404");
        if (entry == "404") break;
        if (RestoreEntry(environment, entry, db, assays, databaseError)) ++counted;
    }
    // One box for the whole set: a damaged database would otherwise raise one per stored entry.
    if (!databaseError)
        messages.Show(databaseError.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    return counted;
}

WindowRect RestoreWindowRect(const Profile& profile) {
    WindowRect rect;
    rect.right = profile.GetInt("", "WindowRect_btx", 0);
    rect.bottom = profile.GetInt("", "WindowRect_bty", 0);
    rect.left = profile.GetInt("", "WindowRect_tlx", 0);
    rect.top = profile.GetInt("", "WindowRect_tly", 0);
    return rect;
}

void RestoreWorkbenchValues(const Profile& profile, WorkbenchState& state) {
    state.GradIndex = profile.GetInt("", "ComboGrad_CurSel", 404);
    state.FormulaIndex = profile.GetInt("", "ComboFormula_CurSel", 404);
    state.ChannelIndex = profile.GetInt("", "ComboChannel_CurSel", 0);
    state.K = profile.GetDouble("", "K", 1.0);
    state.Alpha = profile.GetDouble("", "Alpha", 0.0);
    for (const auto& [key, value] : kStandardsKeys) state.Standards.*value = ReadGiven(profile.GetString("", key, ""));
}

std::vector<int32_t> RestorePointFlags(const Profile& profile) {
    const std::string stored = profile.GetString("", "PointFlags", "");
    if (stored.size() > kPointFlagsLimit || stored.find_first_not_of("01") != std::string::npos) return {};
    std::vector<int32_t> flags;
    for (char flag : stored) flags.push_back(flag == '1' ? 1 : 0);
    return flags;
}
