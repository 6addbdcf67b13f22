// The seeded random user on the workbench: the reference host loads the real module on the demo
// laboratory offscreen, and RandomUser works the window for thousands of actions per seed, checking
// it after each one. A failure prints the seed, every action up to the broken check and the command
// that replays it:
//
//   QUORVEL_RANDOM_USER_SEED=1234 QUORVEL_RANDOM_USER_ACTIONS=3000 build/tests/host/host_random_user_tests
//
// QUORVEL_RANDOM_USER_SEED runs that seed alone instead of the fixed ones; QUORVEL_RANDOM_USER_ACTIONS
// sets the actions per seed (default 2000, 500 in the sanitizer build, where each one is slower).
#include "DemoDataSet.h"
#include "HostDriving.h"
#include "RandomUser.h"
#include "TempFolder.h"
#include "host/HostApplication.h"

#include <QCoreApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultActions = 500;
#else
constexpr int kDefaultActions = 2000;
#endif
constexpr uint32_t kFixedSeeds[] = {1, 20240611, 977};

std::vector<uint32_t> Seeds() {
    if (const char* seed = std::getenv("QUORVEL_RANDOM_USER_SEED"))
        return {static_cast<uint32_t>(std::strtoul(seed, nullptr, 10))};
    return {std::begin(kFixedSeeds), std::end(kFixedSeeds)};
}

int Actions() {
    const char* actions = std::getenv("QUORVEL_RANDOM_USER_ACTIONS");
    return actions ? std::atoi(actions) : kDefaultActions;
}

// Points the process's temporary folder (where the report's pages go) at folder while it lives.
class TemporaryFolderAt {
public:
    explicit TemporaryFolderAt(const std::filesystem::path& folder) {
        if (const char* before = std::getenv("TMPDIR")) before_ = before;
        std::filesystem::create_directories(folder);
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderAt() {
        if (before_)
            ::setenv("TMPDIR", before_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    TemporaryFolderAt(const TemporaryFolderAt&) = delete;
    TemporaryFolderAt& operator=(const TemporaryFolderAt&) = delete;

private:
    std::optional<std::string> before_;
};

std::string Failure(uint32_t seed, int actions, const RandomUser& user, const std::string& broken) {
    std::ostringstream text;
    text << "seed " << seed << ", after action " << user.Actions().size() << ": " << broken << "\nactions:\n";
    for (size_t i = 0; i < user.Actions().size(); ++i) text << "  " << i + 1 << ". " << user.Actions()[i] << "\n";
    text << "the window shows:\n" << user.Shown();
    text << "replay: QUORVEL_RANDOM_USER_SEED=" << seed << " QUORVEL_RANDOM_USER_ACTIONS=" << actions << " "
         << QCoreApplication::applicationFilePath().toStdString() << "\n";
    return text.str();
}

class RandomUserTest : public testing::TestWithParam<uint32_t> {};

TEST_P(RandomUserTest, EveryActionLeavesTheWindowTrueToWhatItShows) {
    const uint32_t seed = GetParam();
    const int actions = Actions();
    TempFolder folder;
    const DemoWriteResult demo = WriteDemoData(folder / "lab", 11);
    ASSERT_TRUE(demo.ok) << demo.description;
    const TemporaryFolderAt reports(folder.Path() / "reports");
    auto host = std::make_unique<HostApplication>(
        HostWithTheModule(demo.set.databasePath, demo.set.profilePath, folder.Path()));
    host->Start();
    host->Window().show();
    QAction* entry = FindAction(host->Window().menuBar()->actions(), {"Данные", "Расчёты", "Гель хроматография"});
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QWidget* window = VisibleWindowTitled("Гель-проникающая хроматография");
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    RandomUser user(*window, demo.set, seed, folder.Path() / "reports");
    const auto start = std::chrono::steady_clock::now();
    for (int action = 1; action <= actions; ++action) {
        const std::string broken = user.Step();
        ASSERT_EQ(broken, "") << Failure(seed, actions, user, broken);
        if (action == actions / 2)
            window->grab().save(QString(QUORVEL_BIN_DIR) + "/../random-user-" + QString::number(seed) + ".png");
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("seed %u: %d actions in %.1f s (%.1f per second), numbers compared after %d of them\n", seed, actions,
                took.count(), actions / took.count(), user.NumbersCompared());
    QTest::mouseClick(ButtonWithText(*window, "Закрыть"), Qt::LeftButton);
    QApplication::processEvents();
    host->Shutdown();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomUserTest, testing::ValuesIn(Seeds()));

}  // namespace
