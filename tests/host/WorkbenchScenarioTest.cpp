// The workbench as a chromatographer meets it: the reference host loads the real module on the demo
// laboratory, and the test works the window with the keyboard and the mouse, answering the message
// boxes, and reads only what a user sees: combo and edit texts, list rows, check boxes and the chart.
#include "DemoDataSet.h"
#include "HostDriving.h"
#include "ScrollBarParts.h"
#include "TempFolder.h"
#include "host/HostApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kStandards = 10;  // named standards of the demo's two calibration runs
constexpr const char* kBroadStandardAveragesMissing = "Задайте Mn и Mw широкого стандарта.";

// Answers each message box of the module with the button of the given role and keeps its text and
// its buttons' texts; the last box's picture goes into the build folder.
class BoxAnswers {
public:
    explicit BoxAnswers(QMessageBox::StandardButton button) {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            texts.push_back(box->text().toStdString());
            buttons.push_back(ButtonTexts(*box));
            box->grab().save(QString(QUORVEL_BIN_DIR) + "/../scenario-message-box.png");
            QAbstractButton* answer = box->button(button);
            if (answer == nullptr) answer = box->buttons().value(0);
            QTest::mouseClick(answer, Qt::LeftButton);
        });
        timer_.start(20);
    }
    std::vector<std::string> texts;
    std::vector<std::set<std::string>> buttons;  // without the '&' marks

private:
    static std::set<std::string> ButtonTexts(const QMessageBox& box) {
        std::set<std::string> found;
        for (const QAbstractButton* b : box.buttons()) found.insert(b->text().remove('&').toStdString());
        return found;
    }
    QTimer timer_;
};

class WorkbenchScenario : public testing::Test {
protected:
    void SetUp() override {
        const DemoWriteResult demo = WriteDemoData(folder / "lab", 11);
        ASSERT_TRUE(demo.ok) << demo.description;
        set = demo.set;
        StartHost();
    }
    void TearDown() override {
        StopHost();
        EXPECT_EQ(unexpected.seen, "");
    }

    void StartHost() {
        host = std::make_unique<HostApplication>(HostWithTheModule(set.databasePath, set.profilePath, folder.Path()));
        host->Start();
        host->Window().show();
        QAction* entry = FindAction(host->Window().menuBar()->actions(), {"Данные", "Расчёты", "Гель хроматография"});
        ASSERT_NE(entry, nullptr);
        entry->trigger();
        window = VisibleWindowTitled("Гель-проникающая хроматография");
        ASSERT_NE(window, nullptr);
    }
    void StopHost() {
        if (!host) return;
        if (window && window->isVisible()) QTest::mouseClick(ButtonWithText(*window, "Закрыть"), Qt::LeftButton);
        QApplication::processEvents();
        host->Shutdown();
        host.reset();
        window = nullptr;
        // A second plug-in folder for the next host: the loaded module keeps its file.
        std::filesystem::remove_all(folder / "plugins");
    }

    QComboBox& Combo(const char* label) { return Found(WorkbenchCombo(*window, label), label); }
    QLineEdit& Beside(const char* label) { return Found(ControlNear<QLineEdit>(*window, label, false), label); }
    template <typename T>
    static T& Found(T* control, const char* label) {
        if (control == nullptr) throw std::runtime_error(std::string("nothing at ") + label);
        return *control;
    }
    QTreeWidget& Assays() { return *AssaysList(*window); }
    // The points list and the results list by the title of their first column.
    QTreeWidget& Points() { return ListHeaded("№ / Компонент"); }
    QTreeWidget& Results() { return ListHeaded("Имя файла"); }
    QTreeWidget& ListHeaded(const char* title) {
        QTreeWidget* list = ::ListHeaded(*window, title);
        if (list == nullptr) throw std::runtime_error(std::string("no list headed ") + title);
        return *list;
    }
    // The calibration chart, and the distribution chart right of it.
    QWidget& Chart() { return ChartAt(0); }
    QWidget& Distribution() { return ChartAt(1); }
    QWidget& ChartAt(int fromLeft) {
        std::vector<QWidget*> charts;
        for (QWidget* child : window->findChildren<QWidget*>())
            if (QString(child->metaObject()->className()) == "CAutoCtrl") charts.push_back(child);
        std::sort(charts.begin(), charts.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        if (static_cast<size_t>(fromLeft) >= charts.size()) throw std::runtime_error("no such chart");
        return *charts[fromLeft];
    }

    void AddDemoAssays(const std::set<int32_t>& ids) {
        QTimer::singleShot(0, [ids] { ChooseInDialog(ids); });
        QTest::mouseClick(ButtonWithTip(*window, "Добавить хроматограммы"), Qt::LeftButton);
    }
    // Pixels of the fitted curve's red on the chart as it is painted now.
    int CurvePixels() {
        const QImage image = Chart().grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
            }
        return red;
    }
    static void Picture(QWidget& shown, const char* name) {
        shown.grab().save(QString(QUORVEL_BIN_DIR) + "/../" + name + ".png");
    }
    void Picture(const char* name) { Picture(*window, name); }
    // Opens the components dialog with its button and, while it waits for the user, does act; true when
    // the dialog was closed by then.
    bool InComponentsDialog(const std::function<void(QWidget&)>& act) {
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = VisibleWindowTitled("Компоненты");
            if (dialog == nullptr) return;
            act(*dialog);
            closed = !dialog->isVisible();
        });
        QTest::mouseClick(ButtonWithText(*window, "Таблица компонентов"), Qt::LeftButton);
        return closed;
    }
    std::vector<std::string> EditTexts(const std::vector<const char*>& labels) {
        std::vector<std::string> texts;
        for (const char* label : labels) texts.push_back(Beside(label).text().toStdString());
        return texts;
    }
    std::vector<std::string> Averages() { return EditTexts({"Mn", "Mw", "Mw/Mn", "Mz", "Mz + 1", "Mp"}); }
    std::vector<std::string> Coefficients() { return EditTexts({"k0 =", "k1 =", "k2 =", "k3 ="}); }

    TempFolder folder;
    DemoDataSet set;
    ModalWatch unexpected;
    std::unique_ptr<HostApplication> host;
    QWidget* window = nullptr;
};

bool AllEmpty(const std::vector<std::string>& texts) {
    return std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); });
}
bool NoneEmpty(const std::vector<std::string>& texts) {
    return std::none_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); });
}

// a, b, c, i: the first showing fits a straight line; realistic constants are typed; a refused K leaves
// one row per point; columns show whole names; results carry no false precision.
TEST_F(WorkbenchScenario, FirstShowingTypingAndTheRefusedK) {
    EXPECT_EQ(Combo("Градуировка:").currentText(), QString("Монодисперсный"));
    EXPECT_EQ(Combo("Зависимость:").currentText(), QString("Y = k1*T + k0"));
    AddDemoAssays({1, 2, 3});
    ASSERT_EQ(Assays().topLevelItemCount(), 3);
    IncludeAll(Assays());
    EXPECT_EQ(Points().topLevelItemCount(), kStandards);
    EXPECT_GT(Beside("Mw/Mn").text().toDouble(), 1.5);  // the broad sample, not a flat line
    EXPECT_NE(Beside("k1 =").text().toDouble(), 0.0);
    EXPECT_EQ(Beside("k2 =").text(), QString("0"));
    // Coefficients carry ten significant digits, in the edit and its tool tip.
    const QString k1 = Beside("k1 =").text();
    EXPECT_EQ(Beside("k1 =").toolTip(), k1);
    EXPECT_EQ(QString(k1).remove(QRegularExpression("[-.]|^0+|0\\.0*")).size(), 10) << k1.toStdString();
    EXPECT_GT(CurvePixels(), 50);
    for (const std::string& text : Averages())  // six significant digits at most, never an exponent
        EXPECT_TRUE(QRegularExpression("^\\d{1,6}(\\.\\d{1,5})?$").match(QString::fromStdString(text)).hasMatch())
            << text;
    // No standard's name is cut beside its check box: the list's own measure of the rows in view, row
    // after row brought into view.
    QTreeWidget& points = Points();
    for (int row = 0; row < points.topLevelItemCount(); ++row) {
        points.scrollToItem(points.topLevelItem(row));
        const int needed = static_cast<const QAbstractItemView&>(points).sizeHintForColumn(0);
        EXPECT_GE(points.columnWidth(0), needed) << points.topLevelItem(row)->text(0).toStdString();
    }
    points.scrollToTop();
    // The thumbs of a list at its start sit at the start of their tracks.
    QScrollBar& across = *Assays().horizontalScrollBar();
    EXPECT_EQ(across.value(), across.minimum());
    const QRect thumb = ScrollBarPart(across, QStyle::SC_ScrollBarSlider);
    EXPECT_LT(thumb.left(), across.width() / 2);
    Picture("scenario-first-showing");

    {
        BoxAnswers passing(QMessageBox::Ok);
        ChooseByKeys(Combo("Градуировка:"), 2);  // universal, by way of the broad standard
        EXPECT_EQ(passing.texts, std::vector<std::string>{kBroadStandardAveragesMissing});
    }
    for (const auto& [label, typed] : std::vector<std::pair<const char*, QString>>{
             {"K", "0.000141"}, {"Alpha", "0.7"}, {"K", "9.44e-5"}, {"Alpha", "0.719"}, {"K", ".000141"}}) {
        TypeInto(Beside(label), typed);
        EXPECT_EQ(Beside(label).text(), typed);
        EXPECT_TRUE(NoneEmpty(Averages())) << label << " " << typed.toStdString();
    }
    EXPECT_EQ(Points().columnCount(), 7);  // MM, K and Alpha, and the fit's two columns

    BoxAnswers ok(QMessageBox::Ok);
    TypeInto(Beside("K"), "150");
    EXPECT_EQ(ok.texts, std::vector<std::string>{"Слишком большое K!"});
    EXPECT_EQ(Beside("K").text(), QString("1"));
    EXPECT_EQ(Points().topLevelItemCount(), kStandards);
    EXPECT_EQ(Assays().topLevelItemCount(), 3);
}

// A text that is no number is refused with a box while it is typed; the box takes the focus, and with
// it the user's leaving of the edit, which must still give the value in use back to the edit.
TEST_F(WorkbenchScenario, RefusedTextGivesWayToTheValueInUse) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    TypeInto(Beside("Alpha"), "0.5");
    BoxAnswers ok(QMessageBox::Ok);
    QLineEdit& alpha = Beside("Alpha");
    QTest::mouseClick(&alpha, Qt::LeftButton);
    QTest::keyClick(&alpha, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&alpha, "x");
    ClickCell(Assays(), 0, 0);  // the user goes on elsewhere
    EXPECT_EQ(ok.texts, std::vector<std::string>{"Введите число."});
    EXPECT_EQ(alpha.text(), QString("0.5"));
}

// d, e, k: every change leaves results, coefficients, points and chart of one state; where nothing is
// computed, nothing is shown; deleting all assays leaves nothing of them.
TEST_F(WorkbenchScenario, EveryChangeShowsOneStateAndDeletionLeavesNothing) {
    AddDemoAssays({1, 2, 3});
    IncludeAll(Assays());
    ASSERT_TRUE(NoneEmpty(Averages()));

    BoxAnswers told(QMessageBox::Ok);
    ChooseByKeys(Combo("Градуировка:"), 1);  // a broad standard without its Mn and Mw: nothing to compute
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_TRUE(AllEmpty(Coefficients()));
    EXPECT_EQ(CurvePixels(), 0);
    EXPECT_EQ(Points().headerItem()->text(2), QString("MM"));
    EXPECT_FALSE(Combo("Зависимость:").isEnabled());
    ChooseByKeys(Combo("Канал:"), 1);
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_EQ(told.texts, std::vector<std::string>{kBroadStandardAveragesMissing}) << "told when the type is chosen";

    ChooseByKeys(Combo("Градуировка:"), 0);
    ChooseByKeys(Combo("Канал:"), 0);
    EXPECT_TRUE(NoneEmpty(Averages()));
    EXPECT_GT(CurvePixels(), 50);
    EXPECT_EQ(Points().topLevelItemCount(), kStandards);

    const std::vector<std::string> sample = Averages();
    ToggleRow(Assays(), 2);  // the sample excluded: the averages are the last standards run's now
    EXPECT_NE(Averages(), sample);
    EXPECT_TRUE(NoneEmpty(Coefficients()));
    ToggleRow(Assays(), 0);
    ToggleRow(Assays(), 1);
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_TRUE(AllEmpty(Coefficients()));
    EXPECT_EQ(Points().topLevelItemCount(), 0);
    EXPECT_EQ(CurvePixels(), 0);
    IncludeAll(Assays());
    EXPECT_EQ(Averages(), sample);

    QTest::mouseClick(ButtonWithTip(*window, "Удалить все хроматограммы"), Qt::LeftButton);
    EXPECT_EQ(Assays().topLevelItemCount(), 0);
    EXPECT_EQ(Points().topLevelItemCount(), 0);
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_TRUE(AllEmpty(Coefficients()));
    EXPECT_EQ(CurvePixels(), 0);
    Picture("scenario-all-deleted");
}

// The broad standard's line has no points: coming from the universal calibration, whose points list
// has more columns, none of its rows may stay behind.
TEST_F(WorkbenchScenario, TheBroadStandardAfterTheUniversalCalibrationShowsNoPoints) {
    AddDemoAssays({1, 2, 3});
    IncludeAll(Assays());
    BoxAnswers told(QMessageBox::Ok);
    ChooseByKeys(Combo("Градуировка:"), 2);
    ASSERT_EQ(Points().topLevelItemCount(), kStandards);
    ChooseByKeys(Combo("Градуировка:"), 1);
    EXPECT_EQ(Points().topLevelItemCount(), 0);
    EXPECT_EQ(Points().columnCount(), 5) << "the point, its time, MM and the fit's two columns";
}

// The texts of a list row by row, each row's cells joined by tabs as a spreadsheet would take them.
QStringList RowTexts(const QTreeWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column) cells << list.topLevelItem(row)->text(column);
        rows << cells.join('\t');
    }
    return rows;
}

// Answers the next context menu with its entry titled text.
void ChooseInNextMenu(const QString& text) {
    QTimer::singleShot(50, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* action : menu->actions())
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (menu->isVisible()) menu->close();
    });
}

// Each calculated sample's results in a list: its row chosen by mouse or arrow key drives the result
// edits and the distribution, Ctrl+C and the context menu copy the list, and a deleted assay leaves it.
TEST_F(WorkbenchScenario, ResultsListShowsTheChosenSampleAndCopies) {
    AddDemoAssays({1, 2, 3});
    IncludeAll(Assays());
    QTreeWidget& results = Results();
    ASSERT_EQ(results.topLevelItemCount(), 3);  // the two standards runs are calculated as samples too
    const auto shownRow = [&results] {
        const QList<QTreeWidgetItem*> selected = results.selectedItems();
        return selected.size() == 1 ? results.indexOfTopLevelItem(selected[0]) : -1;
    };
    const auto editsShowRow = [&](int row) {
        for (const auto& [label, column] : std::vector<std::pair<const char*, int>>{{"Mn", 2}, {"Mw/Mn", 4}, {"Mp", 7}})
            EXPECT_EQ(Beside(label).text(), results.topLevelItem(row)->text(column)) << label << " row " << row;
    };
    EXPECT_EQ(shownRow(), 2) << "the last included assay's by default";
    editsShowRow(2);
    EXPECT_EQ(results.topLevelItem(2)->text(1), Assays().topLevelItem(2)->text(2)) << "the sample's name";
    const QImage broad = Distribution().grab().toImage();

    QTest::mouseClick(results.viewport(), Qt::LeftButton, {}, results.visualItemRect(results.topLevelItem(0)).center());
    EXPECT_EQ(shownRow(), 0);
    editsShowRow(0);
    EXPECT_NE(Distribution().grab().toImage(), broad) << "the chosen sample's distribution";
    QTest::keyClick(&results, Qt::Key_Down);
    EXPECT_EQ(shownRow(), 1);
    editsShowRow(1);
    ChooseByKeys(Combo("Зависимость:"), 1);
    EXPECT_EQ(shownRow(), 1) << "a new calibration keeps the chosen sample";
    editsShowRow(1);

    const QStringList table = QStringList(results.headerItem()->text(0)) + RowTexts(results);
    QGuiApplication::clipboard()->clear();
    results.setFocus();
    QTest::keyClick(&results, Qt::Key_C, Qt::ControlModifier);
    QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 4);
    EXPECT_TRUE(copied[0].startsWith("Имя файла\tПроба\tMn\tMw\tMw/Mn")) << copied[0].toStdString();
    EXPECT_EQ(copied.mid(1), RowTexts(results));
    QGuiApplication::clipboard()->clear();
    ChooseInNextMenu("Копировать");
    const QPoint inside = results.visualItemRect(results.topLevelItem(0)).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inside, results.viewport()->mapToGlobal(inside));
    QApplication::sendEvent(results.viewport(), &menuEvent);
    EXPECT_EQ(QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts), copied);
    Picture("scenario-results");

    const QString chosenFile = results.topLevelItem(1)->text(0);
    Assays().clearSelection();
    Assays().topLevelItem(1)->setSelected(true);
    QTest::mouseClick(ButtonWithTip(*window, "Удалить хроматограмму"), Qt::LeftButton);
    ASSERT_EQ(results.topLevelItemCount(), 2);
    for (int row = 0; row < 2; ++row) EXPECT_NE(results.topLevelItem(row)->text(0), chosenFile);
    EXPECT_EQ(shownRow(), 1) << "back to the last included assay";
    editsShowRow(1);
    QTest::mouseClick(ButtonWithTip(*window, "Удалить все хроматограммы"), Qt::LeftButton);
    EXPECT_EQ(results.topLevelItemCount(), 0);
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_EQ(Beside("R² =").text(), QString());
}

// The universal calibration with the standards' own constants gives the PMMA run its true averages;
// the broad standard's line, once its certified Mn and Mw are typed, gives the standard exactly those.
TEST_F(WorkbenchScenario, UniversalAndBroadStandardCalibrationsFromTheirEdits) {
    AddDemoAssays({1, 2, 4});
    IncludeAll(Assays());
    {
        BoxAnswers passing(QMessageBox::Ok);  // the arrow key passes the broad standard, which asks for Mn and Mw
        ChooseByKeys(Combo("Градуировка:"), 2);
        EXPECT_EQ(passing.texts, std::vector<std::string>{kBroadStandardAveragesMissing});
    }
    ChooseByKeys(Combo("Зависимость:"), 2);  // the column's curved calibration
    TypeInto(Beside("K"), "9.44e-5");
    TypeInto(Beside("Alpha"), "0.719");
    EXPECT_TRUE(Beside("K стандартов").isEnabled());
    const double withoutStandards = Beside("Mn").text().toDouble();
    TypeInto(Beside("K стандартов"), "1.14e-4");
    TypeInto(Beside("Alpha стандартов"), "0.716");
    const double mn = Beside("Mn").text().toDouble();
    EXPECT_NEAR(mn, 25000.0, 0.01 * 25000.0) << "the PMMA run's true Mn";
    EXPECT_NEAR(Beside("Mw").text().toDouble(), 60000.0, 0.01 * 60000.0) << "the PMMA run's true Mw";
    EXPECT_GT(std::abs(mn - withoutStandards), 0.01 * mn) << "the standards' constants count";
    EXPECT_EQ(Points().topLevelItem(0)->text(3), QString("0.000114")) << "the points show the standards' K";
    Picture("scenario-universal");

    QTest::mouseClick(ButtonWithTip(*window, "Удалить все хроматограммы"), Qt::LeftButton);
    AddDemoAssays({3, 6});
    IncludeAll(Assays());
    BoxAnswers told(QMessageBox::Ok);
    ChooseByKeys(Combo("Градуировка:"), 1);

    EXPECT_EQ(told.texts, std::vector<std::string>{kBroadStandardAveragesMissing});
    EXPECT_TRUE(AllEmpty(Averages()));
    EXPECT_EQ(ControlNear<QLineEdit>(*window, "K стандартов", false), nullptr) << "the universal pair is hidden";
    TypeInto(Beside("Mn стандарта"), "119047.6");
    TypeInto(Beside("Mw стандарта"), "250000");
    EXPECT_EQ(told.texts.size(), 1u) << "typing the two masses in asks nothing more";
    QTreeWidget& results = Results();
    ASSERT_EQ(results.topLevelItemCount(), 2);
    const int standard = results.topLevelItem(0)->text(1).contains("стандарт") ? 0 : 1;
    EXPECT_EQ(results.topLevelItem(standard)->text(2), QString("119048")) << "the standard's own Mn";
    EXPECT_EQ(results.topLevelItem(standard)->text(3), QString("250000")) << "the standard's own Mw";
    EXPECT_TRUE(NoneEmpty(Averages()));
    EXPECT_GT(CurvePixels(), 50);
    Picture("scenario-broad-standard");
}

// j: a restarted host shows the channel and the points' use flags the user left.
TEST_F(WorkbenchScenario, RestartKeepsTheChannelAndThePointFlags) {
    AddDemoAssays({1, 2, 3});
    IncludeAll(Assays());
    ChooseByKeys(Combo("Канал:"), 1);
    const int points = Points().topLevelItemCount();
    ASSERT_GT(points, 2);
    ToggleRow(Points(), 1);
    EXPECT_EQ(Points().topLevelItem(1)->checkState(0), Qt::Unchecked);
    const std::vector<std::string> coefficients = Coefficients();

    StopHost();
    StartHost();
    EXPECT_EQ(Combo("Канал:").currentText(), QString("1"));
    ASSERT_EQ(Points().topLevelItemCount(), points);
    EXPECT_EQ(Points().topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Points().topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(Coefficients(), coefficients);
}

// The components dialog from the workbench: closed untouched it leaves without a word; with a row
// added it asks, in Russian down to the buttons that are Qt's own.
TEST_F(WorkbenchScenario, ComponentsDialogAsksOnlyAboutChangesInRussian) {
    BoxAnswers ok(QMessageBox::Ok);
    EXPECT_TRUE(InComponentsDialog([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
    EXPECT_TRUE(ok.texts.empty());

    EXPECT_TRUE(InComponentsDialog([](QWidget& dialog) {
        QTest::mouseClick(ButtonWithText(dialog, "Добавить компонент"), Qt::LeftButton);
        Picture(dialog, "scenario-components");
        QTest::mouseClick(ButtonWithText(dialog, "Отмена"), Qt::LeftButton);
    }));
    EXPECT_EQ(ok.texts, std::vector<std::string>{"Выйти без сохранения изменений?"});
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    EXPECT_EQ(ok.buttons, (std::vector<std::set<std::string>>{{"OK", "Отмена"}}));
}

}  // namespace
