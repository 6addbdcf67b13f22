// The workbench window driven as a user would, with a fake host, scripted message boxes and a host
// database and chromatogram files built by the test.
#include "LabDatabaseTest.h"
#include "LinkedHost.h"
#include "StandardsLab.h"
#include "chart/CAutoCtrl.h"
#include "grid/CGridCtrl.h"
#include "hostlink/AssaysChangedEvent.h"
#include "workbench/DlgMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Counts the assays-changed events the workbench posts.
class EventCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == kAssaysChangedEventType) ++count;
        return false;
    }
};

class DlgMainTest : public LabDatabaseTest {
protected:
    void SetUp() override {
        LabDatabaseTest::SetUp();
        host.connectionUri = database->path;
        host.environment.AskDatabaseLocation();
        host.strings[Key("PublicDocuments_Quorvel")] = folder.string();
        WriteStandardsLab(folder, *database, 1);
        database->AddAssay(3, File("p.chr"), "Другой метод", "SEC");
        database->AddAssay(4, File("missing.chr"), "Без файла", "GPC");
        qApp->installEventFilter(&events);
    }
    void TearDown() override {
        qApp->removeEventFilter(&events);
        LabDatabaseTest::TearDown();
    }

    static std::string Key(const std::string& key) { return "plugins\\quorvel\\/" + key; }
    std::unique_ptr<DlgMain> Open() {
        return std::make_unique<DlgMain>(nullptr, WorkbenchContext{host.link, host.profile, host.environment, texts},
                                         &messages);
    }
    void Add(DlgMain& dlg, std::vector<int32_t> ids) {
        host.chosenAssays = std::move(ids);
        dlg.AddAssays();
        QApplication::processEvents();
    }
    void Check(DlgMain& dlg, int row, bool checked) { dlg.AssaysList().SetCheck(row, checked); }
    QLineEdit& Edit(DlgMain& dlg, int id) { return *static_cast<QLineEdit*>(dlg.Control(id)); }
    // A choice of the user in the type or the dependence combo.
    void Choose(DlgMain& dlg, int comboId, int index) {
        auto& combo = *static_cast<QComboBox*>(dlg.Control(comboId));
        combo.setCurrentIndex(index);
        Q_EMIT combo.activated(index);
    }
    void ChooseType(DlgMain& dlg, int index) { Choose(dlg, WorkbenchControl::kTypeCombo, index); }

    LinkedHost host;
    ResourceLibrary texts;
    RecordingMessageSink messages;
    EventCounter events;
};

TEST_F(DlgMainTest, AddingAssaysFillsTheListAndNotifiesTheHost) {
    auto dlg = Open();
    Add(*dlg, {1, 2, 99});
    ASSERT_EQ(dlg->State().Assays.size(), 2u);
    ASSERT_EQ(dlg->AssaysList().RowCount(), 2);
    EXPECT_EQ(dlg->AssaysList().ItemText(0, 1), QString("s.chr"));
    EXPECT_EQ(dlg->AssaysList().ItemText(0, 5), QString("Градуировка"));
    EXPECT_EQ(dlg->AssaysList().ItemText(1, 5), QString("Анализ"));
    EXPECT_EQ(dlg->AssaysList().RowData(1)->key, 2);
    EXPECT_EQ(events.count, 1);

    Add(*dlg, {1});  // already there: nothing new, but the list is refilled and the host told
    EXPECT_EQ(dlg->State().Assays.size(), 2u);
    EXPECT_EQ(events.count, 2);
}

TEST_F(DlgMainTest, HostAnswersOutsideOneTo256LoadNothing) {
    auto dlg = Open();
    host.chooserResult = 257;
    Add(*dlg, {1});
    host.chooserResult = 0;
    Add(*dlg, {1});
    EXPECT_TRUE(dlg->State().Assays.empty());
    EXPECT_EQ(events.count, 0);
}

TEST_F(DlgMainTest, IncludingCalibrationAndSampleGivesTheResults) {
    auto dlg = Open();  // an empty profile: the first type and dependence
    Add(*dlg, {1, 2});
    Check(*dlg, 0, true);
    Check(*dlg, 1, true);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dlg->PointsList().RowCount(), 3);
    EXPECT_EQ(dlg->PointsList().ItemText(1, 0), QString("1 / ПС 100"));
    EXPECT_NEAR(dlg->State().results.Mn, 291.41, 0.01);
    EXPECT_EQ(Edit(*dlg, WorkbenchControl::kMn).text(), QString("291.412"));
    EXPECT_EQ(Edit(*dlg, WorkbenchControl::kK2).text(), QString("0"));
}

TEST_F(DlgMainTest, AnotherMethodAsksAndCancelExcludesIt) {
    auto dlg = Open();
    Add(*dlg, {2, 3});
    Check(*dlg, 0, true);
    EXPECT_TRUE(messages.texts.empty());  // the first included assay never asks
    messages.answers = {MessageSink::Answer::Cancel};
    Check(*dlg, 1, true);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Выбран другой метод, хотите переключиться на него?");
    EXPECT_EQ(dlg->State().Assays[1].included, 0);
    EXPECT_FALSE(dlg->AssaysList().IsChecked(1));
    EXPECT_TRUE(dlg->AssaysList().IsChecked(0));

    messages.answers = {MessageSink::Answer::Ok};
    Check(*dlg, 1, true);
    EXPECT_EQ(dlg->State().Assays[0].included, 0);
    EXPECT_EQ(dlg->State().Assays[1].included, 1);
    EXPECT_FALSE(dlg->AssaysList().IsChecked(0));
}

TEST_F(DlgMainTest, AssayWithoutChannelsIsUncheckedAgain) {
    auto dlg = Open();
    Add(*dlg, {4});
    Check(*dlg, 0, true);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Ошибка при выборе хроматограммы: Отсутствует информация."});
    EXPECT_FALSE(dlg->AssaysList().IsChecked(0));
    EXPECT_EQ(dlg->State().Assays[0].included, 0);
}

TEST_F(DlgMainTest, PolydisperseTypeKeepsTheMolarMassColumnAndUniversalShowsFive) {
    auto dlg = Open();
    ChooseType(*dlg, 1);
    EXPECT_EQ(dlg->PointsList().columnCount(), 5) << "MM and the fit's two columns";
    EXPECT_FALSE(static_cast<QComboBox*>(dlg->Control(WorkbenchControl::kDependenceCombo))->isEnabled());
    ChooseType(*dlg, 2);
    EXPECT_EQ(dlg->PointsList().columnCount(), 7);
    EXPECT_EQ(dlg->Chart().Panel().yCaption, "LG(K*MM^ALPHA*MM)");
}

TEST_F(DlgMainTest, KTypedOneCharacterAtATime) {
    auto dlg = Open();
    QLineEdit& k = Edit(*dlg, WorkbenchControl::kKEdit);
    k.clear();
    QTest::keyClicks(&k, "0.000141");
    EXPECT_EQ(dlg->State().K, 0.000141);
    EXPECT_EQ(k.text(), QString("0.000141"));
    k.selectAll();
    QTest::keyClicks(&k, "150");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Слишком большое K!"});
    EXPECT_EQ(dlg->State().K, 1.0);
    EXPECT_EQ(k.text(), QString("1"));
    EXPECT_EQ(k.cursorPosition(), 1);  // typing goes on after the correction
    k.selectAll();
    QTest::keyClicks(&k, "0");
    QTest::keyClick(&k, Qt::Key_Return);  // K = 0 becomes 1 when it is settled
    EXPECT_EQ(dlg->State().K, 1.0);
    EXPECT_EQ(k.text(), QString("1"));
    QLineEdit& alpha = Edit(*dlg, WorkbenchControl::kAlphaEdit);
    alpha.selectAll();
    QTest::keyClicks(&alpha, "x");
    EXPECT_EQ(messages.texts.back(), "Введите число.");
    QTest::keyClick(&alpha, Qt::Key_Return);
    EXPECT_EQ(alpha.text(), QString("0"));
}

TEST_F(DlgMainTest, UncheckingAPointRefitsWithoutRebuildingTheList) {
    auto dlg = Open();
    ChooseType(*dlg, 0);
    Choose(*dlg, WorkbenchControl::kDependenceCombo, 2);
    Add(*dlg, {1});
    Check(*dlg, 0, true);
    ASSERT_EQ(dlg->PointsList().RowCount(), 3);
    dlg->PointsList().SetCheck(2, false);
    EXPECT_EQ(dlg->State().PointFlags, (std::vector<int32_t>{1, 1, 0}));
    EXPECT_EQ(dlg->Calibration().pointX.size(), 2u);
    EXPECT_EQ(dlg->PointsList().RowCount(), 3);
    EXPECT_FALSE(dlg->PointsList().IsChecked(2));
}

TEST_F(DlgMainTest, ClosingStoresAndANewWorkbenchRestores) {
    {
        auto dlg = Open();
        Add(*dlg, {2, 1, 4});
        Check(*dlg, 1, true);
        auto* close = static_cast<QPushButton*>(dlg->Control(WorkbenchControl::kClose));
        dlg->show();
        close->click();
        EXPECT_FALSE(dlg->isVisible());
        dlg->show();
        close->click();  // closing twice stores twice, the same entries
    }
    EXPECT_EQ(host.strings[Key("Assay 1")], "2/0");
    EXPECT_EQ(host.strings[Key("Assay 2")], "1/1");
    EXPECT_EQ(host.strings[Key("Assay 3")], "4/0");
    EXPECT_EQ(host.strings.count(Key("Assay 4")), 0u);
    EXPECT_EQ(host.doubles[Key("K")], 1.0);

    auto restored = Open();
    ASSERT_EQ(restored->State().Assays.size(), 3u);
    EXPECT_EQ(restored->State().Assays[0].id, 2);
    EXPECT_EQ(restored->State().Assays[1].included, 1);
    EXPECT_TRUE(restored->AssaysList().IsChecked(1));
}

TEST_F(DlgMainTest, DeletingSelectedAndAll) {
    auto dlg = Open();
    Add(*dlg, {1, 2, 4});
    dlg->AssaysList().SetRowSelected(1, true);
    dlg->DeleteSelectedAssays();
    ASSERT_EQ(dlg->State().Assays.size(), 2u);
    EXPECT_EQ(dlg->State().Assays[1].id, 4);
    dlg->DeleteAllAssays();
    EXPECT_TRUE(dlg->State().Assays.empty());
    EXPECT_EQ(dlg->AssaysList().RowCount(), 0);
    // The empty chart shows a plain range, not the extremes of the doubles.
    dlg->Chart().grab();
    const CAutoPanel& panel = dlg->Chart().Panel();
    EXPECT_EQ(panel.xMin, 0.0);
    EXPECT_EQ(panel.xMax, 30.0);
    EXPECT_EQ(panel.yMin, 0.0);
    EXPECT_EQ(panel.yMax, 10.0);
}

}  // namespace
