// The whole system as a chromatographer meets it: the reference host loads the real module on the
// demo laboratory's data, the menu opens the workbench, assays come in through the host's chooser,
// the averages appear, and closing the workbench leaves its settings in the profile file.
#include "DemoDataSet.h"
#include "TempFolder.h"
#include "host/AssayChooserDialog.h"
#include "host/AssayFileWindow.h"
#include "host/ChromatogramView.h"
#include "host/HostApplication.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

QAction* FindAction(const QList<QAction*>& actions, const QStringList& path) {
    for (QAction* action : actions) {
        if (action->text() != path.front())
            continue;
        if (path.size() == 1)
            return action;
        return action->menu() ? FindAction(action->menu()->actions(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

QWidget* VisibleWindowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == title)
            return widget;
    return nullptr;
}

// The control of kind T that a user finds next to the label with text: the nearest one whose top
// lies within the label's height below (under) or level with it (beside).
template <typename T>
T* ControlNear(QWidget& window, const QString& text, bool under) {
    const auto labels = window.findChildren<QLabel*>();
    const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
    if (label == labels.end())
        return nullptr;
    const QRect anchor = (*label)->geometry();
    T* nearest = nullptr;
    int bestDistance = INT_MAX;
    for (T* control : window.findChildren<T*>()) {
        if (control->window() != &window)
            continue;
        const QRect r = control->geometry();
        const int dy = under ? r.top() - anchor.bottom() : std::abs(r.center().y() - anchor.center().y());
        const int dx = under ? std::abs(r.left() - anchor.left()) : r.left() - anchor.right();
        if (dy < 0 || dy > anchor.height() || dx < 0 || dx >= bestDistance)
            continue;
        nearest = control;
        bestDistance = dx;
    }
    return nearest;
}

// Picks an entry of a combo as the user does: the choice is reported as "activated".
void Pick(QComboBox* combo, int index) {
    ASSERT_NE(combo, nullptr);
    ASSERT_LT(index, combo->count());
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

QPushButton* ButtonWithTip(QWidget& window, const QString& tip) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->toolTip() == tip)
            return button;
    return nullptr;
}

// Selects, with Ctrl held, the rows of the shown chooser whose identifiers are in ids, then OK.
void ChooseInDialog(const std::set<int32_t>& ids) {
    auto* dialog = qobject_cast<AssayChooserDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    AssayTable* table = dialog->Table();
    for (int row = 0; row < table->rowCount(); ++row) {
        if (ids.count(table->item(row, 0)->text().toInt()) == 0)
            continue;
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
    }
    dialog->accept();
}

// Closes, and remembers the text of, any modal window that nobody expected (a message box of the
// module would otherwise wait forever for a click).
class ModalWatch {
public:
    ModalWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || qobject_cast<AssayChooserDialog*>(modal))
                return;
            const auto labels = modal->findChildren<QLabel*>();
            for (QLabel* label : labels)
                seen += label->text().toStdString() + "\n";
            modal->close();
        });
        timer_.start(500);
    }
    std::string seen;

private:
    QTimer timer_;
};

double NumberBeside(QWidget& window, const QString& label) {
    auto* edit = ControlNear<QLineEdit>(window, label, false);
    return edit ? edit->text().toDouble() : 0.0;
}

TEST(EndToEnd, HostRunsTheWorkbenchOnTheDemoData) {
    TempFolder folder;
    const DemoWriteResult demo = WriteDemoData(folder / "lab", 11);
    ASSERT_TRUE(demo.ok) << demo.description;
    fs::create_directory(folder.Path() / "plugins");
    fs::copy_file(fs::path(QUORVEL_BIN_DIR) / "quorvel.so", folder.Path() / "plugins/quorvel.so");

    HostApplication host({QString::fromStdString(demo.set.databasePath), QString::fromStdString(demo.set.profilePath),
                          QString::fromStdString(folder / "plugins"), 1049});
    ModalWatch unexpected;
    host.Start();
    host.Window().show();
    ASSERT_EQ(host.Plugins().Plugins().size(), 1u);
    QAction* entry = FindAction(host.Window().menuBar()->actions(), {"Данные", "Расчёты", "Гель хроматография"});
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QWidget* workbench = VisibleWindowTitled("Гель-проникающая хроматография");
    ASSERT_NE(workbench, nullptr);

    Pick(ControlNear<QComboBox>(*workbench, "Градуировка:", true), 0);  // narrow standards
    Pick(ControlNear<QComboBox>(*workbench, "Зависимость:", true), 2);  // cubic
    QPushButton* add = ButtonWithTip(*workbench, "Добавить хроматограммы");
    ASSERT_NE(add, nullptr);
    QTimer::singleShot(0, [] { ChooseInDialog({1, 2, 3}); });
    QTest::mouseClick(add, Qt::LeftButton);

    // The lists of the workbench itself; the components dialog it owns has a list of its own.
    auto lists = workbench->findChildren<QTreeWidget*>();
    lists.removeIf([&](QTreeWidget* list) { return list->window() != workbench; });
    const auto assays = std::min_element(lists.begin(), lists.end(), [](QTreeWidget* a, QTreeWidget* b) {
        return a->geometry().left() < b->geometry().left();
    });
    ASSERT_NE(assays, lists.end());
    ASSERT_EQ((*assays)->topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
        (*assays)->setCurrentItem((*assays)->topLevelItem(row));
        QTest::keyClick(*assays, Qt::Key_Space);
    }

    const DemoPolymer& truth = *demo.set.assays[2].polymer;
    EXPECT_NEAR(NumberBeside(*workbench, "Mn"), truth.Mn(), 0.02 * truth.Mn());
    EXPECT_NEAR(NumberBeside(*workbench, "Mw"), truth.mw, 0.02 * truth.mw);

    // The calibration run shown by the host's file viewer: one chromatogram per detector channel.
    (*assays)->setCurrentItem((*assays)->topLevelItem(0));
    QPushButton* open = ButtonWithTip(*workbench, "Открыть хроматограмму");
    ASSERT_NE(open, nullptr);
    QTest::mouseClick(open, Qt::LeftButton);
    auto* viewer = qobject_cast<AssayFileWindow*>(VisibleWindowTitled("Assay file run1.chr"));
    ASSERT_NE(viewer, nullptr);
    auto* charts = viewer->findChild<QTabWidget*>();
    ASSERT_NE(charts, nullptr);
    EXPECT_EQ(charts->count(), 2);
    auto* chart = qobject_cast<ChromatogramView*>(charts->currentWidget());
    ASSERT_NE(chart, nullptr);
    EXPECT_GT(chart->Panel().series.at(0).count, 1000);
    viewer->grab().save(QString(QUORVEL_BIN_DIR) + "/../end-to-end-viewer.png");
    workbench->grab().save(QString(QUORVEL_BIN_DIR) + "/../end-to-end-workbench.png");
    viewer->close();

    QPushButton* close = nullptr;
    for (QPushButton* button : workbench->findChildren<QPushButton*>())
        if (button->text() == "Закрыть") close = button;
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(workbench->isVisible());
    QApplication::processEvents();  // the host saves the profile after the burst of settings

    const std::string profile = TempFolder::Read(demo.set.profilePath);
    for (const char* stored : {"plugins\\quorvel\\/Assay 1=1/1\n", "plugins\\quorvel\\/Assay 3=3/1\n",
                               "plugins\\quorvel\\/ComboFormula_CurSel=2\n"})
        EXPECT_NE(profile.find(stored), std::string::npos) << stored << " missing in\n" << profile;
    host.Shutdown();
    EXPECT_EQ(unexpected.seen, "");
    EXPECT_TRUE(host.Window().Messages()->toPlainText().isEmpty())
        << host.Window().Messages()->toPlainText().toStdString();
}

}  // namespace
