// The host put together: start-up with the recording plug-in, the served commands, the profile
// saved after changes, and start-up on bad input.
#include "HostDriving.h"
#include "TempFolder.h"
#include "host/AssayFileWindow.h"
#include "host/HostApplication.h"
#include "host/HostText.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <dlfcn.h>

namespace {

using RecordedCallsFunction = const char* (*)();

AssayFileWindow* OpenFileWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<AssayFileWindow*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

intptr_t Call(HostApplication& host, const char* command, const void* argument1, const void* argument2) {
    return host.Bus().Call(command, reinterpret_cast<intptr_t>(argument1), reinterpret_cast<intptr_t>(argument2));
}

TEST(HostApplication, RunsThePluginAndServesItsCommands) {
    TempFolder folder;
    const std::string database = folder / "assays.db";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           (std::string(AssayDatabase::Schema) +
                            "INSERT INTO assay (id, date, filename) VALUES (4, 0, '/runs/a.chr');"
                            "INSERT INTO peak (assayid, name, time, channel) VALUES (4, 'PS-1', 12.5, 1);")
                               .c_str(),
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    std::filesystem::create_directory(folder / "plugins");
    std::filesystem::copy_file(HOST_TEST_PLUGIN, folder / "plugins/recording.so");
    const std::string profile = folder / "profile.ini";

    HostApplication host({QString::fromStdString(database), QString::fromStdString(profile),
                          QString::fromStdString(folder / "plugins"), 1033});
    host.Start();
    EXPECT_TRUE(host.Window().Messages()->toPlainText().isEmpty())
        << host.Window().Messages()->toPlainText().toStdString();
    ASSERT_EQ(host.Plugins().Plugins().size(), 1u);
    EXPECT_EQ(host.Window().Assays()->rowCount(), 1);

    QAction* entry = FindAction(host.Window().menuBar()->actions(), {"Data", "Tests", "Run"});
    ASSERT_NE(entry, nullptr);
    entry->trigger();

    const auto* uri = reinterpret_cast<const char16_t*>(Call(host, HOST_CMD_GET_CONNECTION_URI, nullptr, nullptr));
    EXPECT_EQ(ReadHostText(uri), std::filesystem::absolute(database).string());
    EXPECT_EQ(Call(host, HOST_CMD_GET_LANGUAGE, nullptr, nullptr), 1033);

    EXPECT_EQ(Call(host, HOST_CMD_OPEN_ASSAY_FILE, nullptr, u"/runs/a.chr"), 1);
    AssayFileWindow* viewer = OpenFileWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->findChild<QTableWidget*>()->rowCount(), 1);
    const auto* missing = viewer->findChild<QTabWidget*>()->widget(0);  // no such file: no chart, a reason
    ASSERT_TRUE(missing->inherits("QLabel"));
    EXPECT_TRUE(static_cast<const QLabel*>(missing)->text().contains("cannot be read (code -1)"));
    viewer->close();

    // A plug-in that passes a native window id where its widget belongs: the chooser opens over the
    // main window instead of through a wild pointer.
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        if (QWidget* chooser = QApplication::activeModalWidget()) {
            owner = chooser->parentWidget();
            chooser->close();
        }
    });
    int32_t ids[4] = {};
    AssayIdList list{ids, 4};
    EXPECT_EQ(Call(host, HOST_CMD_OPEN_ASSAY_ID_DLG, &list, reinterpret_cast<void*>(intptr_t{2})), 0);
    EXPECT_EQ(owner, &host.Window());

    const int32_t k = 5;
    EXPECT_EQ(Call(host, HOST_CMD_PROFILE_SET_INT, u"plugins\\quorvel\\/K", &k), 1);
    QApplication::processEvents();
    EXPECT_NE(FileBytes(profile).find("plugins\\quorvel\\/K=5\n"), std::string::npos);

    host.Shutdown();
    const auto recorded =
        reinterpret_cast<RecordedCallsFunction>(dlsym(host.Plugins().Plugins()[0].handle, "RecordedCalls"));
    ASSERT_NE(recorded, nullptr);
    const std::string window = std::to_string(reinterpret_cast<intptr_t>(static_cast<QWidget*>(&host.Window())));
    EXPECT_EQ(std::string(recorded()),
              "Load subscribed 1\nLanguage 1033\nRegistered 1\nMenu 1\n"
              "Command " +
                  window + "\nUnload\n");
}

TEST(HostApplication, BadInputGivesMessagesAndLeavesFilesAlone) {
    TempFolder folder;
    const std::string profile = folder / "profile.ini";
    WriteFileBytes(profile, "damaged line\n");
    std::filesystem::create_directory(folder / "plugins");

    HostApplication host({QString::fromStdString(folder / "missing.db"), QString::fromStdString(profile),
                          QString::fromStdString(folder / "plugins"), 1049});
    host.Start();
    const QString messages = host.Window().Messages()->toPlainText();
    EXPECT_TRUE(messages.contains("missing.db")) << messages.toStdString();
    EXPECT_TRUE(messages.contains("damaged")) << messages.toStdString();
    EXPECT_TRUE(messages.contains("holds no plug-ins")) << messages.toStdString();
    EXPECT_EQ(host.Window().Assays()->rowCount(), 0);
    EXPECT_EQ(host.Bus().Exists(HOST_CMD_GET_CONNECTION_URI), 0);

    int32_t ids[4] = {};
    AssayIdList list{ids, 4};
    EXPECT_EQ(Call(host, HOST_CMD_OPEN_ASSAY_ID_DLG, &list, nullptr), 0);
    EXPECT_EQ(Call(host, HOST_CMD_OPEN_ASSAY_FILE, nullptr, nullptr), 0);
    int32_t value = 0;
    EXPECT_EQ(Call(host, HOST_CMD_PROFILE_GET_INT, u"K", &value), 0);
    host.Shutdown();
    EXPECT_EQ(FileBytes(profile), "damaged line\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.db"));
}

}  // namespace
