// The whole system as a chromatographer meets it: the reference host loads the real module on the
// demo laboratory's data, the menu opens the workbench, assays come in through the host's chooser,
// the averages appear, and closing the workbench leaves its settings in the profile file.
#include "DemoDataSet.h"
#include "HostDriving.h"
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
#include <set>

namespace {

// Picks an entry of a combo as the user does: the choice is reported as "activated".
void Pick(QComboBox* combo, int index) {
    ASSERT_NE(combo, nullptr);
    ASSERT_LT(index, combo->count());
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

double NumberBeside(QWidget& window, const QString& label) {
    auto* edit = ControlNear<QLineEdit>(window, label, false);
    return edit ? edit->text().toDouble() : 0.0;
}

TEST(EndToEnd, HostRunsTheWorkbenchOnTheDemoData) {
    TempFolder folder;
    const DemoWriteResult demo = WriteDemoData(folder / "lab", 11);
    ASSERT_TRUE(demo.ok) << demo.description;
    HostApplication host(HostWithTheModule(demo.set.databasePath, demo.set.profilePath, folder.Path()));
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

    QTreeWidget* assays = AssaysList(*workbench);
    ASSERT_NE(assays, nullptr);
    ASSERT_EQ(assays->topLevelItemCount(), 3);
    IncludeAll(*assays);

    const DemoPolymer& truth = *demo.set.assays[2].polymer;
    EXPECT_NEAR(NumberBeside(*workbench, "Mn"), truth.Mn(), 0.02 * truth.Mn());
    EXPECT_NEAR(NumberBeside(*workbench, "Mw"), truth.mw, 0.02 * truth.mw);

    // The calibration run shown by the host's file viewer: one chromatogram per detector channel.
    assays->setCurrentItem(assays->topLevelItem(0));
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

    QPushButton* close = ButtonWithText(*workbench, "Закрыть");
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(workbench->isVisible());
    QApplication::processEvents();  // the host saves the profile after the burst of settings

    const std::string profile = FileBytes(demo.set.profilePath);
    for (const char* stored : {"plugins\\quorvel\\/Assay 1=1/1\n", "plugins\\quorvel\\/Assay 3=3/1\n",
                               "plugins\\quorvel\\/ComboFormula_CurSel=2\n"})
        EXPECT_NE(profile.find(stored), std::string::npos) << stored << " missing in\n" << profile;
    host.Shutdown();
    EXPECT_EQ(unexpected.seen, "");
    EXPECT_TRUE(host.Window().Messages()->toPlainText().isEmpty())
        << host.Window().Messages()->toPlainText().toStdString();
}

}  // namespace
