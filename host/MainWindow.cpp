// The host's main window.
#include "host/MainWindow.h"

#include "host/HostEvents.h"

#include <QApplication>
#include <QMenuBar>
#include <QSplitter>

#include <cstdio>

namespace {

// Menu titles are shown literally: "&" would otherwise mark a shortcut.
QString MenuTitle(const std::string& level) {
    return QString::fromStdString(level).replace(u'&', QStringLiteral("&&"));
}

QMenu* FindMenu(const QList<QAction*>& actions, const QString& title) {
    for (QAction* action : actions)
        if (action->menu() != nullptr && action->text() == title) return action->menu();
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(const AssayDatabase& database, QWidget* parent)
    : QMainWindow(parent), database_(database), assays_(new AssayTable), messages_(new QPlainTextEdit) {
    setWindowTitle(tr("cds-host"));
    messages_->setReadOnly(true);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(assays_);
    splitter->addWidget(messages_);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    resize(1000, 600);
    // Plug-ins send the event to a window of their own choosing above their dialogs.
    qApp->installEventFilter(this);
    Refresh();
}

void MainWindow::Refresh() {
    std::vector<AssayRow> rows;
    std::string message;
    if (database_.IsOpen() && !database_.Assays(rows, message)) ShowMessage(QString::fromStdString(message));
    assays_->SetRows(rows);
}

void MainWindow::ShowMessage(const QString& text) {
    messages_->appendPlainText(text);
    std::fprintf(stderr, "cds-host: %s\n", text.toLocal8Bit().constData());
}

bool MainWindow::AddMenuEntry(const std::vector<std::string>& levels, std::function<void()> onChosen) {
    if (levels.empty()) return false;
    QMenu* menu = nullptr;
    for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
        const QString title = MenuTitle(levels[i]);
        QMenu* found = FindMenu(menu ? menu->actions() : menuBar()->actions(), title);
        if (found == nullptr) found = menu ? menu->addMenu(title) : menuBar()->addMenu(title);
        menu = found;
    }
    const QString title = MenuTitle(levels.back());
    QAction* entry = menu ? menu->addAction(title) : menuBar()->addAction(title);
    connect(entry, &QAction::triggered, this, [onChosen = std::move(onChosen)] { onChosen(); });
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == kAssaysChangedEventType) Refresh();
    return QMainWindow::eventFilter(watched, event);
}
