// The host's main window: menu entries built from menu paths, the assay list and its refresh on the
// "assay set changed" event.
#include "TempFolder.h"
#include "host/HostEvents.h"
#include "host/MainWindow.h"

#include <QApplication>
#include <QMenuBar>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

QMenu* SubMenu(const QList<QAction*>& actions, const QString& title) {
    for (QAction* action : actions)
        if (action->menu() && action->text() == title) return action->menu();
    return nullptr;
}

QAction* Entry(QMenu* menu, const QString& title) {
    for (QAction* action : menu->actions())
        if (!action->menu() && action->text() == title) return action;
    return nullptr;
}

TEST(MainWindow, MenuEntriesShareTheirMenus) {
    AssayDatabase none;
    MainWindow window(none);
    int chosen = 0;
    EXPECT_TRUE(window.AddMenuEntry({"Данные", "Расчёты", "Гель хроматография"}, [&] { chosen += 1; }));
    EXPECT_TRUE(window.AddMenuEntry({"Данные", "Расчёты", "R&D"}, [&] { chosen += 10; }));
    EXPECT_FALSE(window.AddMenuEntry({}, [&] { chosen += 100; }));

    QMenu* data = SubMenu(window.menuBar()->actions(), QString::fromUtf8("Данные"));
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->actions().size(), 1);
    QMenu* calculations = SubMenu(data->actions(), QString::fromUtf8("Расчёты"));
    ASSERT_NE(calculations, nullptr);
    QAction* gel = Entry(calculations, QString::fromUtf8("Гель хроматография"));
    QAction* rd = Entry(calculations, "R&&D");
    ASSERT_NE(gel, nullptr);
    ASSERT_NE(rd, nullptr);
    gel->trigger();
    EXPECT_EQ(chosen, 1);
    rd->trigger();
    EXPECT_EQ(chosen, 11);
}

TEST(MainWindow, RefreshesOnTheAssaysChangedEvent) {
    TempFolder folder;
    const std::string path = folder / "assays.db";
    WriteFileBytes(path, "");
    AssayDatabase database;
    std::string message;
    ASSERT_TRUE(database.Open(path, message)) << message;
    MainWindow window(database);
    EXPECT_EQ(window.Assays()->rowCount(), 0);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db, "INSERT INTO assay (id, date, filename) VALUES (5, 0, 'x.chr');", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);

    // Sent to a window other than the main one, as a plug-in's dialog may pick its own.
    QWidget other;
    QEvent changed(kAssaysChangedEventType);
    QApplication::sendEvent(&other, &changed);
    ASSERT_EQ(window.Assays()->rowCount(), 1);
    EXPECT_EQ(window.Assays()->item(0, 0)->text(), "5");
}

TEST(MainWindow, MessagesGoToThePanel) {
    AssayDatabase none;
    MainWindow window(none);
    window.ShowMessage("The plug-in \"x.so\" was skipped");
    EXPECT_TRUE(window.Messages()->toPlainText().contains("x.so"));
}

}  // namespace
