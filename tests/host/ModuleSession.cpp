// One whole session of the reference host with the real quorvel.so, for scripts/valgrind to run under
// memcheck (and ctest without it): the demo laboratory's data written to a fresh folder, the host
// started offscreen, the workbench opened from the menu, three assays added through the host's
// chooser and included, the report made (not opened), the workbench closed and the module unloaded.
// Exit status 0 when every step did what it should; otherwise 1, with the failed step on stderr.
#include "DemoDataSet.h"
#include "HostDriving.h"
#include "TempFolder.h"
#include "host/HostApplication.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

bool Fail(const std::string& step) {
    std::fprintf(stderr, "module session: %s\n", step.c_str());
    return false;
}

bool HasReport(const fs::path& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".html" && entry.file_size() > 0) return true;
    return false;
}

bool RunSession(const TempFolder& folder) {
    const DemoWriteResult demo = WriteDemoData(folder / "lab", 11);
    if (!demo.ok) return Fail("demo data: " + demo.description);
    HostApplication host(HostWithTheModule(demo.set.databasePath, demo.set.profilePath, folder.Path()));
    ModalWatch unexpected;
    host.Start();
    host.Window().show();
    const QStringList menuPath = {"Данные", "Расчёты", "Гель хроматография"};
    QAction* entry = FindAction(host.Window().menuBar()->actions(), menuPath);
    if (entry == nullptr) return Fail("the module's menu entry is missing");
    entry->trigger();
    QWidget* workbench = VisibleWindowTitled("Гель-проникающая хроматография");
    if (workbench == nullptr) return Fail("the workbench did not open");

    QPushButton* add = ButtonWithTip(*workbench, "Добавить хроматограммы");
    QPushButton* report = ButtonWithTip(*workbench, "Отчет");
    QPushButton* close = ButtonWithText(*workbench, "Закрыть");
    if (add == nullptr || report == nullptr || close == nullptr) return Fail("a workbench button is missing");
    QTimer::singleShot(0, [] { ChooseInDialog({1, 2, 3}); });
    QTest::mouseClick(add, Qt::LeftButton);
    QTreeWidget* assays = AssaysList(*workbench);
    if (assays == nullptr || assays->topLevelItemCount() != 3) return Fail("the three chosen assays are not listed");
    IncludeAll(*assays);

    QTest::mouseClick(report, Qt::LeftButton);
    if (!HasReport(folder.Path() / "tmp")) return Fail("no report page in the temporary folder");

    QTest::mouseClick(close, Qt::LeftButton);
    QApplication::processEvents();
    if (workbench->isVisible()) return Fail("the workbench did not close");
    host.Shutdown();
    if (FileBytes(demo.set.profilePath).find("plugins\\quorvel\\/Assay 3=3/1\n") == std::string::npos)
        return Fail("closing did not store the assay set");
    if (!unexpected.seen.empty()) return Fail("unexpected message box: " + unexpected.seen);
    const QString hostMessages = host.Window().Messages()->toPlainText();
    if (!hostMessages.isEmpty()) return Fail("host messages: " + hostMessages.toStdString());
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("QUORVEL_NO_OPEN", "1", 1);
    TempFolder folder;
    if (folder.Path().empty()) {
        Fail("no temporary folder");
        return 1;
    }
    // The report's files go into the session's own folder, which is removed at the end.
    fs::create_directory(folder.Path() / "tmp");
    ::setenv("TMPDIR", (folder / "tmp").c_str(), 1);
    QApplication app(argc, argv);
    return RunSession(folder) ? 0 : 1;
}
