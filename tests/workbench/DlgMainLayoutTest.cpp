// The workbench window as a window: its controls after size changes, the minimum size, the icons
// and tooltips, the initialisation with stored settings, closing, and its texts in English. The data
// is the demo laboratory's; every window opened is saved as a picture into the build folder.
#include "DemoDataSet.h"
#include "LinkedHost.h"
#include "chart/CAutoCtrl.h"
#include "components/ComponentsTable.h"
#include "components/Dlg_Components.h"
#include "grid/CGridCtrl.h"
#include "hostlink/LanguageTable.h"
#include "resources/DialogLayout.h"
#include "resources/ResourceLibrary.h"
#include "resources/StringTable.h"
#include "workbench/DlgMain.h"
#include "workbench/QtMessageSink.h"
#include "workbench/WorkbenchSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

// The offscreen platform's screen is 800 x 800 pixels, smaller than the workbench's minimum size;
// before the application starts, the tests give it a screen of 1600 x 1000 to maximise into. The
// platform reads the file once, at start; it is removed when the program ends.
class WideScreen {
public:
    WideScreen() {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (!platform.isEmpty() && platform != "offscreen") return;  // a real display was chosen
        config_ = fs::temp_directory_path() / ("quorvel-screen-" + std::to_string(::getpid()) + ".json");
        std::ofstream(config_) << R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1000}]})";
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config_.c_str());
    }
    ~WideScreen() {
        std::error_code ignored;
        if (!config_.empty()) fs::remove(config_, ignored);
    }

private:
    fs::path config_;
};
const WideScreen kWideScreen;

constexpr uint64_t kDemoSeed = 17;

void SavePicture(QWidget& window, const std::string& name) {
    window.grab().save(QString::fromStdString(std::string(QUORVEL_SCREENSHOT_DIR) + "/" + name + ".png"));
}

bool HasCyrillic(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

class WorkbenchWindow : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quorvel-layout-" + std::to_string(::getpid()) + "-" + TestName());
        fs::remove_all(folder);
        const DemoWriteResult demo = WriteDemoData(folder.string(), kDemoSeed);
        ASSERT_TRUE(demo.ok) << demo.description;
        host.connectionUri = demo.set.databasePath;
        host.environment.AskDatabaseLocation();
        host.strings[Key("PublicDocuments_Quorvel")] = demo.set.documentsFolder;
        host.ints[Key("ComboGrad_CurSel")] = 0;
        host.ints[Key("ComboFormula_CurSel")] = 2;
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string TestName() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }
    static std::string Key(const std::string& key) { return "plugins\\quorvel\\/" + key; }
    std::unique_ptr<DlgMain> Open() {
        auto dlg = std::make_unique<DlgMain>(
            nullptr, WorkbenchContext{host.link, host.profile, host.environment, library}, &messages);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    // The demo's two calibration runs and the broad polystyrene, included; the other two listed.
    void AddDemoAssays(DlgMain& dlg) {
        host.chosenAssays = {1, 2, 3, 4, 5};
        dlg.AddAssays();
        for (int row : {0, 1, 2}) dlg.AssaysList().SetCheck(row, true);
        dlg.AssaysList().SetRowSelected(2, true);
        QApplication::processEvents();
    }
    void Wait() { QTest::qWait(20); }

    fs::path folder;
    LinkedHost host;
    ResourceLibrary library;
    RecordingMessageSink messages;
};

// How a control follows a size change, in percent: moved right, moved down, grown wide, grown high.
struct Share {
    int moveX = 0, moveY = 0, sizeX = 0, sizeY = 0;
};

// The shares of the workbench's controls; every control not named keeps its place and size.
std::map<QWidget*, Share> Shares(const DlgMain& dlg) {
    std::map<QWidget*, Share> shares;
    shares[dlg.Control(WorkbenchControl::kClose)] = {100, 100, 0, 0};
    shares[dlg.Control(WorkbenchControl::kChartFrame)] = {0, 0, 50, 100};
    shares[dlg.Control(WorkbenchControl::kDistributionFrame)] = {50, 0, 50, 100};
    shares[dlg.Control(WorkbenchControl::kResultsList)] = {0, 100, 100, 0};
    shares[dlg.Control(WorkbenchControl::kPointsList)] = {50, 0, 50, 0};
    shares[dlg.Control(WorkbenchControl::kAssaysList)] = {0, 0, 50, 0};
    for (int id : {1003, 1004, 1005, 1006, 1007, 1008, 1037, 1038}) shares[dlg.Control(id)] = {50, 0, 0, 0};
    for (QLabel* label : dlg.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (QStringList{"Градуировка:", "Зависимость:", "k0 =", "k1 =", "k2 =", "k3 =", "R² =", "СКО(Y) ="}.contains(
                label->text()))
            shares[label] = {50, 0, 0, 0};
    return shares;
}

TEST_F(WorkbenchWindow, ControlsFollowTheirShareOfASizeChange) {
    struct Row {
        const char* name;
        void (*change)(DlgMain&);
    };
    const Row rows[] = {
        {"resized", [](DlgMain& dlg) { dlg.resize(dlg.width() + 301, dlg.height() + 157); }},
        {"maximised", [](DlgMain& dlg) { dlg.showMaximized(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto dlg = Open();
        AddDemoAssays(*dlg);
        const QSize before = dlg->size();
        std::map<QWidget*, QRect> placed;
        for (QWidget* control : dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            placed[control] = control->geometry();
        row.change(*dlg);
        Wait();
        SavePicture(*dlg, std::string("dlg_main_") + row.name);
        const int dx = dlg->width() - before.width();
        const int dy = dlg->height() - before.height();
        ASSERT_GT(dx, 200);
        ASSERT_GT(dy, 100);
        const std::map<QWidget*, Share> shares = Shares(*dlg);
        ASSERT_EQ(shares.size(), 22u);
        for (const auto& [control, old] : placed) {
            if (control->isWindow()) continue;  // the components dialog
            const auto found = shares.find(control);
            const Share share = found == shares.end() ? Share{} : found->second;
            const QRect now = control->geometry();
            SCOPED_TRACE(control->metaObject()->className());
            // Shares of an odd growth round down: allow one pixel.
            EXPECT_NEAR(now.x(), old.x() + dx * share.moveX / 100.0, 1);
            EXPECT_NEAR(now.y(), old.y() + dy * share.moveY / 100.0, 1);
            EXPECT_NEAR(now.width(), old.width() + dx * share.sizeX / 100.0, 1);
            EXPECT_NEAR(now.height(), old.height() + dy * share.sizeY / 100.0, 1);
        }
        // "Закрыть" keeps its distance to the bottom-right corner; the charts share the width to its right
        // edge, the results list reaches as far.
        const QRect close = dlg->Control(WorkbenchControl::kClose)->geometry();
        const QRect oldClose = placed[dlg->Control(WorkbenchControl::kClose)];
        EXPECT_EQ(dlg->width() - close.right(), before.width() - oldClose.right());
        EXPECT_EQ(dlg->height() - close.bottom(), before.height() - oldClose.bottom());
        for (const int id : {WorkbenchControl::kDistributionFrame, WorkbenchControl::kResultsList})
            EXPECT_EQ(dlg->Control(id)->geometry().right(), close.right());
        const int calibrationGrowth = dlg->Control(WorkbenchControl::kChartFrame)->width() -
                                      placed[dlg->Control(WorkbenchControl::kChartFrame)].width();
        EXPECT_NEAR(calibrationGrowth, dx / 2, 1);
        // The two lists share the extra width, and the gap between them stays.
        const int assaysGrowth = dlg->Control(WorkbenchControl::kAssaysList)->width() -
                                 placed[dlg->Control(WorkbenchControl::kAssaysList)].width();
        const int pointsGrowth = dlg->Control(WorkbenchControl::kPointsList)->width() -
                                 placed[dlg->Control(WorkbenchControl::kPointsList)].width();
        EXPECT_NEAR(assaysGrowth, pointsGrowth, 1);
        EXPECT_NEAR(assaysGrowth + pointsGrowth, dx, 1);
        EXPECT_EQ(dlg->Control(WorkbenchControl::kPointsList)->x() -
                      dlg->Control(WorkbenchControl::kAssaysList)->geometry().right(),
                  placed[dlg->Control(WorkbenchControl::kPointsList)].x() -
                      placed[dlg->Control(WorkbenchControl::kAssaysList)].right());
    }
}

TEST_F(WorkbenchWindow, NeverSmallerThanTheMinimumTrackingSize) {
    auto dlg = Open();
    EXPECT_EQ(dlg->minimumSize(), QSize(1172, 690));
    dlg->resize(800, 500);
    Wait();
    SavePicture(*dlg, "dlg_main_shrunk");
    EXPECT_EQ(dlg->size(), QSize(1172, 690));
    // A stored window rectangle smaller than the minimum is widened too.
    host.ints[Key("WindowRect_tlx")] = 10;
    host.ints[Key("WindowRect_tly")] = 20;
    host.ints[Key("WindowRect_btx")] = 410;
    host.ints[Key("WindowRect_bty")] = 320;
    auto restored = Open();
    SavePicture(*restored, "dlg_main_minimum");
    EXPECT_EQ(restored->size(), QSize(1172, 690));
}

TEST_F(WorkbenchWindow, IconButtonsShowTheirOwnImagesAndTooltips) {
    auto dlg = Open();
    SavePicture(*dlg, "dlg_main_empty");
    EXPECT_FALSE(dlg->windowIcon().isNull());
    const std::pair<int, int> buttons[] = {{1016, 104}, {1017, 105}, {1018, 106}, {1020, 107}, {1023, 108}};
    std::vector<QImage> images;
    for (const auto& [id, tooltip] : buttons) {
        SCOPED_TRACE(id);
        auto* button = static_cast<QPushButton*>(dlg->Control(id));
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        const QImage image = button->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        for (const QImage& other : images) EXPECT_NE(image, other) << "two buttons share one image";
        images.push_back(image);
        EXPECT_EQ(button->toolTip().toStdString(), StringTableText(tooltip));
    }
    EXPECT_TRUE(dlg->testAttribute(Qt::WA_AlwaysShowToolTips));
}

TEST_F(WorkbenchWindow, ComponentsDialogIsLaidOutFromItsTemplate) {
    auto dlg = Open();
    auto* components = dlg->findChild<Dlg_Components*>();
    ASSERT_NE(components, nullptr);
    components->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(components));
    SavePicture(*components, "dlg_components_template");
    const DialogLayout layout(ComponentsTemplate(), components->font());
    EXPECT_EQ(components->size(), layout.TemplateSize());
    EXPECT_EQ(components->minimumSize(), components->maximumSize());  // no sizing border
    EXPECT_EQ(components->windowTitle(), QString::fromUtf8("Компоненты"));
    const QRect grid = components->Grid().geometry();
    EXPECT_EQ(grid.topLeft(), QPoint(7 * layout.BaseX() / 4, 7 * layout.BaseY() / 8));
    // The buttons sit on one line under the grid; "Отмена" ends where the grid ends.
    for (QPushButton* button : {&components->SaveButton(), &components->CancelButton(), &components->AddButton(),
                                &components->DeleteButton()}) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_EQ(button->y(), 222 * layout.BaseY() / 8);
        EXPECT_GT(button->y(), grid.bottom());
        EXPECT_EQ(button->isDefault(), button == &components->SaveButton());
    }
    EXPECT_EQ(components->CancelButton().geometry().right(), grid.right());
    EXPECT_EQ(components->AddButton().x(), grid.x());
    EXPECT_EQ(components->SaveButton().text(), QString::fromUtf8("Сохранить"));
    messages.answers = {MessageSink::Answer::Ok};
    components->reject();
}

TEST_F(WorkbenchWindow, HiddenButton1022NeverReacts) {
    auto dlg = Open();
    AddDemoAssays(*dlg);
    auto* hidden = static_cast<QPushButton*>(dlg->Control(WorkbenchControl::kHiddenButton));
    EXPECT_TRUE(hidden->isHidden());
    const double mn = dlg->State().results.Mn;
    hidden->click();
    QApplication::processEvents();
    SavePicture(*dlg, "dlg_main_hidden_button");
    EXPECT_EQ(dlg->State().Assays.size(), 5u);
    EXPECT_EQ(dlg->State().results.Mn, mn);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(host.openedFiles.empty());
}

TEST_F(WorkbenchWindow, InitialisationRestoresTheTypeBeforeTheFirstPass) {
    struct Row {
        const char* name;
        int storedType;
        double storedK;
        int columns;  // of the points list: the point, its time, the type's own columns, the fit's two
        bool fitted;  // calibration points listed and a curve fitted
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {"monodisperse", 0, 2.5, 5, true, {}},
        {"polydisperse: a broad standard has no calibration points, and no Mn and Mw are known", 1, 2.5, 5, false, {}},
        {"universal, K 0 becomes 1", 2, 0.0, 7, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.texts.clear();
        host.ints[Key("ComboGrad_CurSel")] = row.storedType;
        host.doubles[Key("K")] = row.storedK;
        host.strings[Key("Assay 1")] = "1/1";  // a calibration run, included
        host.strings[Key("Assay 2")] = "3/0";
        auto dlg = Open();
        SavePicture(*dlg, std::string("dlg_main_restored_type_") + std::to_string(row.storedType));
        EXPECT_EQ(dlg->State().GradIndex, row.storedType);
        EXPECT_EQ(dlg->State().K, row.storedK == 0.0 ? 1.0 : row.storedK);
        EXPECT_EQ(dlg->PointsList().columnCount(), row.columns);
        EXPECT_EQ(dlg->State().PointFlags, std::vector<int32_t>(5, 1));
        EXPECT_EQ(dlg->AssaysList().RowCount(), 2);
        EXPECT_TRUE(dlg->AssaysList().IsChecked(0));
        EXPECT_EQ(dlg->PointsList().RowCount(), row.fitted ? 5 : 0);
        EXPECT_EQ(dlg->State().results.k1 != 0.0, row.fitted);
        EXPECT_EQ(dlg->Chart().Panel().series.at(0).count > 0, row.fitted);
        EXPECT_EQ(messages.texts, row.messages);
    }
}

TEST_F(WorkbenchWindow, ClosingTwiceStoresTwice) {
    auto dlg = Open();
    AddDemoAssays(*dlg);
    static_cast<QPushButton*>(dlg->Control(WorkbenchControl::kClose))->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(host.strings[Key("Assay 5")], "5/0");
    EXPECT_EQ(host.strings[Key("Assay 3")], "3/1");

    // Shown again, the same window: fewer assays, closed with the close box this time.
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    EXPECT_EQ(dlg->AssaysList().RowCount(), 5);
    dlg->AssaysList().SetRowSelected(2, false);
    dlg->AssaysList().SetRowSelected(0, true);
    dlg->DeleteSelectedAssays();
    dlg->move(40, 30);
    SavePicture(*dlg, "dlg_main_before_second_close");
    EXPECT_TRUE(dlg->close());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(host.strings[Key("Assay 1")], "2/1");
    EXPECT_EQ(host.strings[Key("Assay 4")], "5/0");
    EXPECT_EQ(host.strings.count(Key("Assay 5")), 0u);
    EXPECT_EQ(host.ints[Key("WindowRect_tlx")], dlg->frameGeometry().left());
    EXPECT_EQ(host.ints[Key("WindowRect_bty")], dlg->frameGeometry().bottom() + 1);
}

// Every text the module itself puts into the window and its components dialog: captions, labels,
// buttons, group boxes, combo entries, edits, tooltips, list headers and the assays list's
// calculation type column (the other list cells hold the lab's own names).
QStringList ModuleTexts(DlgMain& dlg) {
    QStringList texts{dlg.windowTitle(), QString::fromStdString(dlg.Chart().Panel().xCaption),
                      QString::fromStdString(dlg.Chart().Panel().yCaption)};
    for (QWidget* widget : dlg.findChildren<QWidget*>()) {
        texts << widget->windowTitle() << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        if (auto* grid = qobject_cast<CGridCtrl*>(widget))
            for (int column = 0; column < grid->columnCount(); ++column) texts << grid->headerItem()->text(column);
    }
    for (int row = 0; row < dlg.AssaysList().RowCount(); ++row) texts << dlg.AssaysList().ItemText(row, 5);
    texts.removeAll(QString());
    return texts;
}

TEST_F(WorkbenchWindow, DemoDataInRussianAndInEnglish) {
    struct Row {
        const char* name;
        uint16_t language;
    };
    for (const Row row : {Row{"Russian", 1049}, Row{"English", 1033}}) {
        SCOPED_TRACE(row.name);
        const bool english = row.language != 1049;
        if (english) {
            const std::string module = std::string(QUORVEL_BIN_DIR) + "/quorvel.so";
            ASSERT_TRUE(library.LoadTranslation(
                ResourceLibrary::TranslationPath(module, LanguageAbbreviation(row.language).value())));
        }
        messages.texts.clear();
        auto dlg = Open();
        AddDemoAssays(*dlg);
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(dlg->PointsList().RowCount(), 10);
        EXPECT_GT(dlg->State().results.Mw, dlg->State().results.Mn);
        Wait();
        SavePicture(*dlg, std::string("dlg_main_demo_") + row.name);

        auto* components = dlg->findChild<Dlg_Components*>();
        ASSERT_NE(components, nullptr);
        components->show();  // as the workbench shows it, but without a modal loop to leave
        ASSERT_TRUE(QTest::qWaitForWindowExposed(components));
        components->AddComponent();
        SavePicture(*components, std::string("dlg_components_demo_") + row.name);
        EXPECT_EQ(components->Grid().RowCount(), 13);

        const QStringList texts = ModuleTexts(*dlg);
        EXPECT_TRUE(texts.contains(english ? "Close" : "Закрыть"));
        EXPECT_TRUE(texts.contains(english ? "Molar mass" : "Молярная масса"));
        EXPECT_TRUE(texts.contains(english ? "Calibration" : "Градуировка"));
        EXPECT_EQ(components->Grid().ItemText(12, 1),
                  english ? "Enter the component name!" : QString::fromUtf8("Задайте имя компонента!"));
        if (english) {
            for (const QString& text : texts) EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
        }
        messages.answers = {MessageSink::Answer::Ok};
        components->reject();
        dlg.reset();
        library.FreeTranslation();
    }
}

// Each message box as the module words it, through the translation by its name: English with
// language 1033, the filled-in part kept; the Russian text without the translation.
TEST_F(WorkbenchWindow, MessageBoxesSpeakEnglishWithLanguage1033) {
    auto dlg = Open();
    AddDemoAssays(*dlg);
    // Messages the workbench really shows, recorded as the sink receives them.
    messages.answers = {MessageSink::Answer::Cancel};
    dlg->AssaysList().SetCheck(4, true);  // another method: the question
    const auto type = [&dlg](int edit, const char* text) {
        auto* line = static_cast<QLineEdit*>(dlg->Control(edit));
        line->selectAll();
        QTest::keyClicks(line, text);
    };
    type(WorkbenchControl::kKEdit, "150");
    type(WorkbenchControl::kAlphaEdit, "150");
    type(WorkbenchControl::kAlphaEdit, "x");
    SavePicture(*dlg, "dlg_main_messages");
    ASSERT_EQ(messages.shown.size(), 4u);
    struct Row {
        Message message;
        std::string english;
    };
    std::vector<Row> rows = {
        {messages.shown[0], "Another method is selected. Do you want to switch to it?"},
        {MessageId::OtherMethodCaption, "Confirm method change"},
        {messages.shown[1], "K is too large!"},
        {messages.shown[2], "Alpha is too large!"},
        {messages.shown[3], "Enter a number."},
        {MessageId::AveragesError, "Error calculating the molecular-weight distribution!"},
        {Message{MessageId::DatabaseError, "disk I/O error"}, "Database error: disk I/O error"},
        {{MessageId::ComponentNotFound, "PS-11"}, "PS-11 was not found in the components table"},
        {MessageId::AssayWithoutInformation, "Error selecting the chromatogram: no data available."},
        {{MessageId::ReportError, "no file can be created in the temporary folder"},
         "Error building the report: no file can be created in the temporary folder"},
        {MessageId::ComponentsCaption, "Components"},
        {MessageId::LeaveWithoutSavingQuestion, "Leave without saving the changes?"},
        {MessageId::LeaveWithoutSavingCaption, "Confirm exit"},
    };
    // The components table's refusals, as saving really words them.
    const std::string missing = (folder / "no folder" / "t.csv").string();
    const auto refusal = [](const std::string& path, const std::vector<Component>& components, int32_t headerLength = 0,
                            bool complete = true) {
        ComponentsTable table;
        table.filePath = path;
        table.components = components;
        table.headerLength = headerLength;
        table.complete = complete;
        const Status saved = table.SaveTable();
        EXPECT_FALSE(saved.ok);
        return saved.message;
    };
    rows.push_back({refusal("", {}), "No documents folder is set: the components table was not saved."});
    rows.push_back(
        {refusal(missing, {}, 0, false), "The file " + missing + " holds too many components: it was left unchanged."});
    rows.push_back({refusal(missing, {}, 10),
                    "The file " + missing + " was deleted or changed: the components table was not saved."});
    rows.push_back({refusal(missing, {{7, "a;b", "-", 1.0}}),
                    "Component 7 contains \";\" or a line break: the table was not saved."});
    rows.push_back({refusal(missing, {{7, "a", std::string(300, 'x'), 1.0}}),
                    "A field of component 7 is longer than 198 bytes: the table was not saved."});
    rows.push_back(
        {refusal(missing, {{7, "a", "b", 1.0}}), "Could not write the file " + missing + ": " + std::strerror(ENOENT)});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.english);
        EXPECT_EQ(TranslatedMessage(library, row.message), MessageText(row.message));
    }
    ASSERT_TRUE(library.LoadTranslation(std::string(QUORVEL_BIN_DIR) + "/quorvelENU.qm"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.english);
        EXPECT_EQ(TranslatedMessage(library, row.message), row.english);
    }
    for (int id = 103; id <= 109; ++id) {
        SCOPED_TRACE(id);
        const QString text = QString::fromStdString(library.String(id));
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(HasCyrillic(text));
    }
}

// A translation that lacks a message's name leaves that message in Russian, its filled-in part kept,
// while the names it has are translated.
TEST_F(WorkbenchWindow, MessagesMissingFromTheTranslationStayRussian) {
    ASSERT_TRUE(library.LoadTranslation(QUORVEL_PARTIAL_QM));
    struct Row {
        Message message;
        std::string shown;
    };
    const Row rows[] = {
        {MessageId::KTooLarge, "K is too large!"},
        {Message{MessageId::DatabaseError, "disk I/O error"}, "Database error: disk I/O error"},
        {MessageId::AlphaTooLarge, "Слишком большое Alpha!"},
        {{MessageId::ComponentNotFound, "PS-11"}, "В таблице компонентов не найден PS-11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown);
        EXPECT_EQ(TranslatedMessage(library, row.message), row.shown);
    }
}

// The message boxes the module really shows: the translated text and caption in a QMessageBox, and
// the button pressed as the answer.
TEST_F(WorkbenchWindow, QtMessageBoxesShowTheTranslatedText) {
    QtMessageSink sink(nullptr, library);
    const auto answerWith = [](QMessageBox::StandardButton button, std::string name, QString& text, QString& caption) {
        // Runs inside the box's own event loop, once it is shown.
        QTimer::singleShot(0, [=, &text, &caption] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (!box || !box->isVisible()) continue;
                text = box->text();
                caption = box->windowTitle();
                SavePicture(*box, "message_box_" + name);
                box->button(button)->click();
                return;
            }
            ADD_FAILURE() << "no message box shown";
        });
    };
    QString text;
    QString caption;
    answerWith(QMessageBox::Cancel, "method_Russian", text, caption);
    EXPECT_EQ(sink.Show(MessageId::OtherMethodQuestion, MessageId::OtherMethodCaption, MessageSink::Buttons::OkCancel,
                        MessageSink::Icon::Question),
              MessageSink::Answer::Cancel);
    EXPECT_EQ(text, QString::fromUtf8("Выбран другой метод, хотите переключиться на него?"));
    EXPECT_EQ(caption, QString::fromUtf8("Подтверждение изменения метода"));

    ASSERT_TRUE(library.LoadTranslation(std::string(QUORVEL_BIN_DIR) + "/quorvelENU.qm"));
    answerWith(QMessageBox::Ok, "method_English", text, caption);
    EXPECT_EQ(sink.Show(MessageId::OtherMethodQuestion, MessageId::OtherMethodCaption, MessageSink::Buttons::OkCancel,
                        MessageSink::Icon::Question),
              MessageSink::Answer::Ok);
    EXPECT_EQ(text, "Another method is selected. Do you want to switch to it?");
    EXPECT_EQ(caption, "Confirm method change");
    answerWith(QMessageBox::Ok, "database_English", text, caption);
    static_cast<MessageSink&>(sink).Show(Message{MessageId::DatabaseError, "disk I/O error"});
    EXPECT_EQ(text, "Database error: disk I/O error");
    EXPECT_EQ(caption, "");
}

}  // namespace
