// In-place editing in the grid list: the editor's keys, GN_CELLCHANGED only for a changed text,
// a parent rejecting a change, the end of editing on focus loss and on scrolling, and the editor
// inside a dialog with a default button.
#include "GridFixture.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <string>

namespace {

class GridEditFixture : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AddRows({"Alpha", "Beta"});
        parent.answers[GN_BEGINEDIT] = 1;
        parent.answers[GN_CELLCHANGED] = 1;
    }
};

struct EditRow {
    const char* name;
    const char* typed;
    Qt::Key finalKey;
    intptr_t cellChangedAnswer;
    const char* expectedText;
    size_t expectedChanges;
};

class GridEditKeysTest : public GridEditFixture, public testing::WithParamInterface<EditRow> {};

TEST_P(GridEditKeysTest, StoresOnlyChangedAcceptedText) {
    const EditRow& row = GetParam();
    parent.answers[GN_CELLCHANGED] = row.cellChangedAnswer;
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(0, 0);
    ASSERT_FALSE(editor.isNull());
    ASSERT_EQ(FocusedEditor(), editor.data());
    EXPECT_EQ(editor->selectedText(), "Alpha");  // typing replaces the old text

    QTest::keyClicks(editor, row.typed);
    if (std::string(row.typed).empty()) QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, row.finalKey);
    DeleteLaterObjects();

    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->ItemText(0, 0), QString::fromUtf8(row.expectedText));
    EXPECT_EQ(parent.Of(GN_CELLCHANGED), std::vector<Notification>(row.expectedChanges, {GN_CELLCHANGED, 0, 0}));
    EXPECT_EQ(grid->ItemText(1, 0), "Beta");
}

INSTANTIATE_TEST_SUITE_P(Keys, GridEditKeysTest,
                         testing::Values(EditRow{"EnterStoresNewText", "Gamma", Qt::Key_Return, 1, "Gamma", 1},
                                         EditRow{"KeypadEnterStoresNewText", "Gamma", Qt::Key_Enter, 1, "Gamma", 1},
                                         EditRow{"EscapeCancels", "Gamma", Qt::Key_Escape, 1, "Alpha", 0},
                                         EditRow{"SameTextIsNoChange", "Alpha", Qt::Key_Return, 1, "Alpha", 0},
                                         EditRow{"LetterCaseIsAChange", "ALPHA", Qt::Key_Return, 1, "ALPHA", 1},
                                         EditRow{"EmptyTextIsAChange", "", Qt::Key_Return, 1, "", 1},
                                         EditRow{"RejectedChangeRestoresOldText", "Gamma", Qt::Key_Return, 0, "Alpha",
                                                 1}),
                         [](const testing::TestParamInfo<EditRow>& info) { return std::string(info.param.name); });

using GridEditTest = GridEditFixture;

TEST_F(GridEditTest, EditorSitsOverTheCellWithTheColumnsAlignment) {
    CGridCtrlEditCell* editor = grid->EditCell(1, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), grid->viewport());
    EXPECT_EQ(editor->text(), "bBeta");
    EXPECT_EQ(editor->InitialText(), "bBeta");
    EXPECT_TRUE(editor->alignment() & Qt::AlignRight);
    const QRect cell = grid->visualRect(grid->model()->index(1, 1));
    EXPECT_EQ(editor->geometry().top(), cell.top() - 2);
    EXPECT_EQ(editor->geometry().bottom(), cell.bottom() + 2);
    EXPECT_EQ(editor->geometry().right(), cell.right());
    EXPECT_EQ(editor->font(), grid->font());
}

TEST_F(GridEditTest, InvalidCellsAndRefusalsOpenNoEditor) {
    for (const auto& [row, column] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        EXPECT_EQ(grid->EditCell(row, column), nullptr) << row << "," << column;
    }
    EXPECT_TRUE(parent.Of(GN_BEGINEDIT).empty());
    parent.answers[GN_BEGINEDIT] = 0;
    EXPECT_EQ(grid->EditCell(0, 0), nullptr);
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(parent.Of(GN_BEGINEDIT), (std::vector<Notification>{{GN_BEGINEDIT, 0, 0}}));
}

TEST_F(GridEditTest, FocusLeavingTheEditorStoresTheText) {
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(0, 0);
    ASSERT_FALSE(editor.isNull());
    QTest::keyClicks(editor, "Typed");
    other->setFocus(Qt::MouseFocusReason);
    DeleteLaterObjects();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(grid->ItemText(0, 0), "Typed");
    EXPECT_EQ(parent.Of(GN_CELLCHANGED), (std::vector<Notification>{{GN_CELLCHANGED, 0, 0}}));
}

TEST_F(GridEditTest, StartingAnotherEditEndsTheFirst) {
    QPointer<CGridCtrlEditCell> first = grid->EditCell(0, 0);
    QTest::keyClicks(first, "One");
    CGridCtrlEditCell* second = grid->EditCell(1, 0);
    DeleteLaterObjects();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(FocusedEditor(), second);
    EXPECT_EQ(grid->ItemText(0, 0), "One");
}

TEST_F(GridEditTest, TheEditFollowsItsRowAndEndsQuietlyWhenTheRowIsGone) {
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(1, 0);
    QTest::keyClicks(editor, "Moved");
    grid->InsertRow(0, "New first");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Column(0), (std::vector<QString>{"New first", "Alpha", "Moved"}));
    EXPECT_EQ(parent.Of(GN_CELLCHANGED), (std::vector<Notification>{{GN_CELLCHANGED, 2, 0}}));

    parent.Clear();
    editor = grid->EditCell(0, 0);
    QTest::keyClicks(editor, "Lost");
    grid->DeleteAllRows();
    AddRows({"Refilled"});
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Column(0), std::vector<QString>{"Refilled"});
    EXPECT_TRUE(parent.Of(GN_CELLCHANGED).empty());
}

TEST_F(GridEditTest, SortingEndsTheEditAndTheTextGoesWithItsRow) {
    parent.answers[GN_SORT] = 1;
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(0, 0);
    QTest::keyClicks(editor, "Zeta");
    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, QPoint(50, grid->header()->height() / 2));
    DeleteLaterObjects();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(Column(0), (std::vector<QString>{"Beta", "Zeta"}));
    EXPECT_EQ(parent.Of(GN_CELLCHANGED), (std::vector<Notification>{{GN_CELLCHANGED, 0, 0}}));
}

TEST_F(GridEditTest, DestroyingTheGridDuringAnEditTellsNobody) {
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(0, 0);
    QTest::keyClicks(editor, "Gone");
    delete grid;
    grid = nullptr;
    DeleteLaterObjects();
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(parent.Of(GN_CELLCHANGED).empty());
}

struct ScrollRow {
    const char* name;
    bool wheel;
};

class GridEditScrollTest : public GridEditFixture, public testing::WithParamInterface<ScrollRow> {};

TEST_P(GridEditScrollTest, ScrollingEndsTheEditAndKeepsTheTypedText) {
    AddRows(std::vector<QString>(60, "more"));
    QApplication::processEvents();
    QPointer<CGridCtrlEditCell> editor = grid->EditCell(0, 0);
    QTest::keyClicks(editor, "Kept");
    if (GetParam().wheel) {
        const QPoint at = CellCenter(1, 0);
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
    } else {
        grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    DeleteLaterObjects();
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->ItemText(0, 0), "Kept");
    EXPECT_EQ(parent.Of(GN_CELLCHANGED), (std::vector<Notification>{{GN_CELLCHANGED, 0, 0}}));
}

INSTANTIATE_TEST_SUITE_P(Ways, GridEditScrollTest,
                         testing::Values(ScrollRow{"ScrollBar", false}, ScrollRow{"Wheel", true}),
                         [](const testing::TestParamInfo<ScrollRow>& info) { return std::string(info.param.name); });

// A dialog like the components dialog: a default button, and shortcuts on Delete and Ctrl+S.
class GridInDialogTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&dialog);
        grid = new CGridCtrl(1034, &parent, &dialog);
        parent.expectedSource = grid;
        auto* save = new QPushButton("Save", &dialog);
        save->setDefault(true);
        layout->addWidget(grid);
        layout->addWidget(save);
        QObject::connect(save, &QPushButton::clicked, [this] { ++defaultPressed; });
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_S)}) {
            auto* action = new QAction(&dialog);
            action->setShortcut(keys);
            dialog.addAction(action);
            QObject::connect(action, &QAction::triggered, [this] { ++shortcutsFired; });
        }
        grid->InsertColumn(0, "A", Qt::AlignLeft, 100);
        grid->InsertRow(0, "Alpha");
        parent.answers[GN_BEGINEDIT] = 1;
        parent.answers[GN_CELLCHANGED] = 1;
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    RecordingParent parent;
    QDialog dialog;
    CGridCtrl* grid = nullptr;
    int defaultPressed = 0;
    int shortcutsFired = 0;
};

TEST_F(GridInDialogTest, EditorKeysNeverReachTheDialog) {
    CGridCtrlEditCell* editor = grid->EditCell(0, 0);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), "lpha");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(defaultPressed, 0);
    EXPECT_EQ(shortcutsFired, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(grid->ItemText(0, 0), "lpha");

    editor = grid->EditCell(0, 0);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    // Without an editor, Enter is the dialog's again.
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(defaultPressed, 1);
}

}  // namespace
