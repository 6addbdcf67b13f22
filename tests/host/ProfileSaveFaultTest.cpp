// The host profile's save under faults: killed before each of its system calls, and into a folder the
// user cannot write.
#include "ChildProcess.h"
#include "TempFolder.h"
#include "host/ProfileStore.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A profile file before the save, and whether the store could read it.
struct StartCase {
    const char* name;
    std::string fileBytes;
    bool readable;
};

std::ostream& operator<<(std::ostream& out, const StartCase& c) { return out << c.name; }

class ProfileSaveKilled : public testing::TestWithParam<StartCase> {};

TEST_P(ProfileSaveKilled, LeavesTheOldOrTheNewFileAndNeverLosesTheOld) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    const std::string oldBytes = GetParam().fileBytes;
    WriteFileBytes(path, oldBytes);
    ProfileStore store;
    std::string message;
    ASSERT_EQ(store.Load(path, message), GetParam().readable) << message;
    for (int n = 1; n <= 200; ++n) store.Set("plugins\\quorvel\\/Assay " + std::to_string(n), std::to_string(n) + "/1");
    const std::string newBytes = store.Format();

    int oldSeen = 0;
    const KillSeries series = KillAtEverySaveStep(
        [&store] {
            std::string failure;
            return store.Save(failure);
        },
        [&](int allowedCalls) {
            const std::string now = FileBytes(path);
            EXPECT_TRUE(fs::exists(path) && (now == oldBytes || now == newBytes))
                << "after " << allowedCalls << " calls the profile holds " << now.size() << " bytes";
            if (now == oldBytes) ++oldSeen;
            // A damaged file must survive somewhere: in place or set aside.
            if (!GetParam().readable) {
                const bool kept = now == oldBytes || FileBytes(folder / "profile.ini.damaged") == oldBytes;
                EXPECT_TRUE(kept) << "after " << allowedCalls << " calls the damaged profile is gone";
            }
            fs::remove(folder / "profile.ini.damaged");
            WriteFileBytes(path, oldBytes);
        });
    if (!series.traceable) GTEST_SKIP() << "this system does not let a test trace its child";
    EXPECT_TRUE(series.completed);
    EXPECT_GT(oldSeen, 0);
    EXPECT_TRUE(SaveStepsNeverKilledAt(series).empty()) << "a save step was never cut short";
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileSaveKilled,
                         testing::Values(StartCase{"ReadableProfile", "K=1\nAlpha=0.5\n", true},
                                         StartCase{"DamagedProfile", "K=1\nno equals sign here\n", false}),
                         [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

TEST(ProfileSaveFault, ReadOnlyFolderGivesAClearMessageAndKeepsTheFile) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    WriteFileBytes(path, "K=1\n");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::optional<std::string> outcome = RunUnprivileged([&path] {
        ProfileStore store;
        std::string message;
        if (!store.Load(path, message)) return "not read: " + message;
        store.SetInt("K", 2);
        if (store.Save(message)) return std::string("saved");
        return message + (store.Dirty() ? " (dirty)" : " (clean)");
    });
    fs::permissions(folder.Path(), fs::perms::owner_all);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, "cannot create a temporary file beside \"" + path + "\": Permission denied (dirty)");
    EXPECT_EQ(FileBytes(path), "K=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

}  // namespace
