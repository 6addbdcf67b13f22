// libFuzzer target: any bytes as the "Assay 1", "Assay 2" ... texts of the host profile, one per line,
// restored against a small host database. The assays restored, their order, their marks and the
// count must be what the stored texts say (identifiers read as the C library's strtol does, clamped
// to 32 bits); a restored set, once stored, must read back the same.
#include "FuzzChecks.h"
#include "LabData.h"
#include "ProfileHost.h"

#include "base/FixedEnvironment.h"
#include "base/MessageSink.h"
#include "base/Utf16.h"
#include "hostlink/Profile.h"
#include "workbench/WorkbenchSettings.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Identifiers of the [assay] rows; 2147483647 is where larger stored numbers are clamped to.
constexpr int32_t kKnownIds[] = {0, 1, 7, 12, 2147483647};
constexpr int kRestoredAssaysLimit = 1024;
// Each entry loads its assay afresh, so inputs are cut at this many entries to keep runs fast; four
// already hold a repeated identifier, an order, marks and a passed-over or ending entry. The limit of
// 1024 is a unit test's.
constexpr int kEntriesTried = 4;

struct Lab {
    std::filesystem::path folder;
    std::unique_ptr<LabDatabase> database;
    ProfileHost host;
    HostLink link{host.Api()};
    Profile profile{link, kModuleProfileBasePath};
    FixedEnvironment environment{std::nullopt, std::nullopt};
};

Lab* lab = nullptr;

void RemoveLab() { std::filesystem::remove_all(lab->folder); }

// The module opens a connection for each restore, and a fresh connection reads the database's schema
// and pages from the file again. With the cache shared within the process, the lab's own connection,
// open for the whole process, keeps them for the module's connections; what they read is the same.
void BuildLab() {
    sqlite3_enable_shared_cache(1);
    lab = new Lab;
    lab->folder = std::filesystem::temp_directory_path() / ("quorvel-fuzz-restore-" + std::to_string(::getpid()));
    std::filesystem::remove_all(lab->folder);
    std::filesystem::create_directories(lab->folder);
    lab->database = std::make_unique<LabDatabase>((lab->folder / "host.db").string());
    for (int32_t id : kKnownIds) {
        const std::string file = (lab->folder / (std::to_string(id) + ".chr")).string();
        Require(WriteChromatogram(file, {LabChannel(1, 2.0, 0.5, {1.0f, 2.0f, 3.0f})}), "chromatogram written");
        lab->database->AddAssay(id, file, "sample", "GPC", true);
    }
    lab->environment.databaseLocation = lab->database->path;
    std::atexit(RemoveLab);
}

std::u16string AssayKey(int number) {
    return ToUtf16(lab->profile.ParameterName("", "Assay " + std::to_string(number)));
}

struct Expected {
    std::vector<std::pair<int32_t, int32_t>> assays;  // id and mark, in set order
    int counted = 0;
};

// What restoring the stored entries must give, worked out from the texts the module reads back.
Expected Expect() {
    Expected expected;
    for (int n = 1; n <= kRestoredAssaysLimit; ++n) {
        const std::string entry = lab->profile.GetString("", "Assay " + std::to_string(n), "404");
        Require(ToUtf16(entry).size() <= 127, "a profile text holds at most 127 characters");
        if (entry == "404") break;
        const std::string::size_type slash = entry.find('/');
        if (slash == std::string::npos || slash == 0) continue;
        ++expected.counted;
        const int32_t id = ClampedStrtol(entry.substr(0, slash));
        if (std::find(std::begin(kKnownIds), std::end(kKnownIds), id) == std::end(kKnownIds)) continue;
        auto known = std::find_if(expected.assays.begin(), expected.assays.end(),
                                  [id](const auto& assay) { return assay.first == id; });
        if (known == expected.assays.end()) known = expected.assays.insert(expected.assays.end(), {id, 0});
        known->second = ClampedStrtol(entry.substr(slash + 1));
    }
    return expected;
}

void RequireAssays(const std::vector<Assay>& assays, const std::vector<std::pair<int32_t, int32_t>>& expected) {
    Require(assays.size() == expected.size(), "the restored set has the stored assays");
    for (size_t i = 0; i < assays.size(); ++i) {
        Require(assays[i].id == expected[i].first, "the restored set keeps the stored order");
        Require(assays[i].included == expected[i].second, "each restored assay has its stored mark");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (lab == nullptr) BuildLab();
    ProfileHost& host = lab->host;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int n = 1; !rest.empty() && n <= kEntriesTried; ++n) {
        const std::string_view::size_type newline = rest.find('\n');
        host.strings[AssayKey(n)] = ToUtf16(rest.substr(0, newline));
        rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
    }

    const Expected expected = Expect();
    RecordingMessageSink messages;
    std::vector<Assay> assays;
    Require(RestoreAssaySet(lab->profile, lab->environment, assays, messages) == expected.counted,
            "every stored entry with an identifier counts");
    Require(messages.texts.empty(), "a sound database gives no message");
    RequireAssays(assays, expected.assays);

    // The stored set must read back as the same set. It is worked out from the stored texts as above
    // rather than restored again, which would load every assay a second time.
    SaveAssaySet(lab->profile, assays);
    const Expected stored = Expect();
    Require(stored.counted == static_cast<int>(assays.size()), "every assay of the set is stored");
    RequireAssays(assays, stored.assays);
    // Whatever this run left in the host is freed within the run, so libFuzzer's leak check stays quiet.
    host.strings.clear();
    return 0;
}
