// The host's main window: the menu bar that plug-ins add entries to, the assays of the open
// database, and a panel of messages (skipped plug-ins, damaged files, failed commands).
#pragma once

#include "host/AssayDatabase.h"
#include "host/AssayTable.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <vector>

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // database must outlive the window.
    explicit MainWindow(const AssayDatabase& database, QWidget* parent = nullptr);

    // Reloads the assay list from the database; with no database open the list is empty.
    void Refresh();
    // Adds text to the message panel and to the standard error stream.
    void ShowMessage(const QString& text);
    // Adds a menu entry under the menus named by levels (the last level is the entry itself),
    // creating the menus that are missing; onChosen runs when it is picked. False for no levels.
    bool AddMenuEntry(const std::vector<std::string>& levels, std::function<void()> onChosen);

    // The assay list and the message panel, owned by the window.
    AssayTable* Assays() const { return assays_; }
    QPlainTextEdit* Messages() const { return messages_; }

protected:
    // Refreshes on the "assay set changed" event, whichever window of the host it was sent to.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AssayDatabase& database_;
    AssayTable* assays_;
    QPlainTextEdit* messages_;
};
