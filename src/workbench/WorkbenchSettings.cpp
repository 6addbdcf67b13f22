#include "workbench/WorkbenchSettings.h"

#include "data/DataBase.h"
#include "base/NumberText.h"
#include "hostlink/Profile.h"
#include "workbench/AssayLoading.h"

#include <string>

namespace {

constexpr int kStoredAssaysLimit = 100;  // a set this large is not stored
constexpr int kRestoredAssaysLimit = 1024;

std::string AssayKey(int number) { return "Assay " + std::to_string(number); }

// The id widened with its sign to 64 bits and printed unsigned, then the mark: "%llu/%d".
std::string AssayEntry(const Assay& assay) {
    const auto widened = static_cast<unsigned long long>(static_cast<long long>(assay.id));
    return std::to_string(widened) + "/" + std::to_string(assay.included);
}

// Loads one stored entry; false when it names no assay to load (empty, no "/", no identifier). A
// database error is left in databaseError.
bool RestoreEntry(const std::string& entry, std::vector<Assay>& assays, Status& databaseError) {
    const std::string::size_type slash = entry.find('/');
    if (entry.empty() || slash == std::string::npos || slash == 0) return false;
    try {
        DataBase::Handle db;
        const AssayLoad load = LoadAssay(db, ParseLeadingInt(entry.substr(0, slash)), assays);
        if (load.index >= 0) assays[load.index].included = ParseLeadingInt(entry.substr(slash + 1));
        if (!load.status) databaseError = load.status;
    } catch (const DataBase::SqlException& e) {
        databaseError = Status::Failed(MessageId::DatabaseError, e.what());
    }
    return true;
}

}  // namespace

std::string DatabaseErrorMessage(const std::string& error) { return FillMessage("Ошибка базы данных: %s", error); }

void SaveAssaySet(const std::vector<Assay>& assays) {
    for (int n = 1; n <= kStoredAssaysLimit; ++n) ProfileDeleteParameter("", AssayKey(n));
    if (assays.size() >= kStoredAssaysLimit) return;
    for (size_t j = 0; j < assays.size(); ++j) ProfileSetString("", AssayKey(static_cast<int>(j) + 1), AssayEntry(assays[j]));
}

void SaveWorkbenchValues(const WindowRect& rect, const WorkbenchState& state) {
    ProfileSetInt("", "WindowRect_btx", rect.right);
    ProfileSetInt("", "WindowRect_bty", rect.bottom);
    ProfileSetInt("", "WindowRect_tlx", rect.left);
    ProfileSetInt("", "WindowRect_tly", rect.top);
    ProfileSetInt("", "ComboGrad_CurSel", state.GradIndex);
    ProfileSetInt("", "ComboFormula_CurSel", state.FormulaIndex);
    ProfileSetDouble("", "K", state.K);
    ProfileSetDouble("", "Alpha", state.Alpha);
}

int RestoreAssaySet(std::vector<Assay>& assays, MessageSink& messages) {
    assays.clear();
    int counted = 0;
    Status databaseError;
    for (int n = 1; n <= kRestoredAssaysLimit; ++n) {
        const std::string entry = ProfileGetString("", AssayKey(n), "404");
        if (entry == "404") break;
        if (RestoreEntry(entry, assays, databaseError)) ++counted;
    }
    // One box for the whole set: a damaged database would otherwise raise one per stored entry.
    if (!databaseError)
        messages.Show(databaseError.Description(), {}, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    return counted;
}

WindowRect RestoreWindowRect() {
    WindowRect rect;
    rect.right = ProfileGetInt("", "WindowRect_btx", 0);
    rect.bottom = ProfileGetInt("", "WindowRect_bty", 0);
    rect.left = ProfileGetInt("", "WindowRect_tlx", 0);
    rect.top = ProfileGetInt("", "WindowRect_tly", 0);
    return rect;
}

void RestoreWorkbenchValues(WorkbenchState& state) {
    state.GradIndex = ProfileGetInt("", "ComboGrad_CurSel", 404);
    state.FormulaIndex = ProfileGetInt("", "ComboFormula_CurSel", 404);
    state.K = ProfileGetDouble("", "K", 1.0);
    state.Alpha = ProfileGetDouble("", "Alpha", 0.0);
}
