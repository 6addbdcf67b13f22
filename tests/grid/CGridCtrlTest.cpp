// The grid list: columns, rows and their row data, colours, grid lines, check boxes versus
// selection, the double-click rule, sorting, and the context-menu and header notifications.
#include "GridFixture.h"

#include "grid/GridSortOrder.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>

#include <string>

namespace {

using GridTest = GridFixture;

TEST_F(GridTest, ColumnsKeepTitlesWidthsAlignmentAndTextsThroughInsertAndDelete) {
    AddRows({"x", "y"});
    EXPECT_EQ(grid->InsertColumn(1, "Middle", Qt::AlignHCenter, 50), 1);
    EXPECT_EQ(grid->InsertColumn(99, "Last", Qt::AlignLeft, 30), 3);
    EXPECT_EQ(grid->InsertColumn(-1, "None"), -1);
    ASSERT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->headerItem()->text(1), "Middle");
    EXPECT_EQ(grid->ColumnAlignment(1), Qt::AlignHCenter);
    EXPECT_EQ(grid->columnWidth(1), 50);
    EXPECT_EQ(grid->ItemText(0, 1), "");
    EXPECT_EQ(grid->ItemText(0, 2), "bx");
    EXPECT_EQ(grid->ColumnAlignment(2), Qt::AlignRight);
    EXPECT_EQ(grid->columnWidth(2), 100);

    // The workbench deletes the column at index 1 three times; the third time there is none left.
    EXPECT_TRUE(grid->DeleteColumn(1));
    EXPECT_TRUE(grid->DeleteColumn(1));
    EXPECT_TRUE(grid->DeleteColumn(1));
    EXPECT_FALSE(grid->DeleteColumn(1));
    ASSERT_EQ(grid->columnCount(), 1);
    EXPECT_EQ(grid->headerItem()->text(0), "A");
    EXPECT_EQ(Column(0), (std::vector<QString>{"x", "y"}));
}

TEST_F(GridTest, RowsAppendPastTheEndAndInvalidCellsAreIgnored) {
    EXPECT_EQ(grid->InsertRow(5, "first"), 0);
    EXPECT_EQ(grid->InsertRow(0, "before"), 0);
    EXPECT_EQ(grid->InsertRow(-1, "none"), -1);
    EXPECT_EQ(Column(0), (std::vector<QString>{"before", "first"}));
    EXPECT_FALSE(grid->SetItemText(2, 0, "x"));
    EXPECT_FALSE(grid->SetItemText(0, 2, "x"));
    EXPECT_EQ(grid->ItemText(-1, 0), "");
    EXPECT_EQ(grid->RowData(0), nullptr);
    EXPECT_FALSE(grid->SetRowData(2, GridRowData{}));
    EXPECT_FALSE(grid->SetCheck(2, true));
}

TEST_F(GridTest, DeletingAllRowsReleasesTheirRowDataAndNewRowsHaveDefaultColours) {
    AddRows({"a", "b", "c"});
    grid->SetRowData(1, GridRowData{0x0000FF, 0x00FF00, 7});
    ASSERT_NE(grid->RowData(1), nullptr);
    EXPECT_EQ(grid->RowData(1)->key, 7);
    grid->RowData(2)->key = 42;  // owners store their key after attaching the data
    EXPECT_EQ(grid->RowData(2)->key, 42);

    grid->DeleteAllRows();
    EXPECT_EQ(grid->RowCount(), 0);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->RowData(1), nullptr);

    grid->InsertRow(0, "new");
    grid->InsertRow(1, "other");
    EXPECT_EQ(grid->RowData(0), nullptr);
    EXPECT_EQ(grid->RowData(1), nullptr);
    const QTreeWidgetItem* item = grid->topLevelItem(1);
    EXPECT_FALSE(item->data(0, Qt::ForegroundRole).isValid());
    EXPECT_FALSE(item->data(0, Qt::BackgroundRole).isValid());
}

TEST_F(GridTest, RowColoursComeFromRowDataAndSelectedRowsUseTheHighlight) {
    AddRows({"", "", ""});
    for (int row = 0; row < 3; ++row) grid->SetItemText(row, 1, "");
    grid->SetRowData(0, GridRowData{0x000000, 0x0000FF, 0});  // red background
    grid->SetRowData(1, GridRowData{0x000000, 0x0000FF, 0});
    grid->SetRowData(2, GridRowData{CLR_DEFAULT, 0xFF000000 | 0x0000FF, 0});  // top byte set: default
    grid->SetRowSelected(1, true);
    grid->setFocus();

    const QImage image = grid->viewport()->grab().toImage();
    const auto colourAt = [&](int row) { return QColor(image.pixel(CellCenter(row, 1) + QPoint(10, 0))); };
    EXPECT_EQ(colourAt(0), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(1), grid->palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(colourAt(2), grid->palette().color(QPalette::Base));
    EXPECT_EQ(QColor(grid->topLevelItem(0)->data(0, Qt::ForegroundRole).value<QBrush>().color()), QColor(0, 0, 0));
}

TEST_F(GridTest, GridLinesFollowTheExtendedStyle) {
    AddRows({"", ""});
    grid->SetItemText(0, 1, "");
    const QRect cell = grid->visualRect(grid->model()->index(0, 1));
    const QPoint onLine(cell.center().x() - 20, cell.bottom());
    const auto pixel = [&] { return QColor(grid->viewport()->grab().toImage().pixel(onLine)); };

    EXPECT_EQ(grid->ExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    const QColor withLines = pixel();
    grid->SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);  // the points list: 0x24
    const QColor withoutLines = pixel();
    EXPECT_EQ(withoutLines, grid->palette().color(QPalette::Base));
    EXPECT_NE(withLines, withoutLines);
}

TEST_F(GridTest, CheckBoxesFollowTheExtendedStyle) {
    AddRows({"a"});
    EXPECT_FALSE(grid->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    grid->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);  // the assays list: 0x25
    EXPECT_EQ(grid->topLevelItem(0)->data(0, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    grid->SetCheck(0, true);
    EXPECT_EQ(grid->topLevelItem(0)->data(0, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(grid->topLevelItem(0)->data(1, Qt::CheckStateRole).isValid());
}

TEST_F(GridTest, CheckToggleIsAnItemChangeWhileSelectingARowIsRowSelected) {
    grid->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddRows({"a", "b", "c"});
    Click(0, 1);
    parent.Clear();

    // A click on the box of row 1 toggles it and leaves the selection as it was.
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.rect = grid->visualRect(grid->model()->index(1, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QPoint onBox = grid->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, grid).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, onBox);
    EXPECT_TRUE(grid->IsChecked(1));
    EXPECT_TRUE(parent.Of(GN_ROWSELECTED).empty());
    ASSERT_EQ(parent.itemChanges.size(), 1u);
    EXPECT_EQ(parent.itemChanges[0].row, 1);
    EXPECT_FALSE(parent.itemChanges[0].oldState.checked);
    EXPECT_TRUE(parent.itemChanges[0].newState.checked);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{0});

    // Selecting row 2: row 0 loses its selection (an item change), row 2 is GN_ROWSELECTED.
    parent.Clear();
    Click(2, 1);
    EXPECT_EQ(parent.Of(GN_ROWSELECTED), (std::vector<Notification>{{GN_ROWSELECTED, 2, 0}}));
    ASSERT_EQ(parent.itemChanges.size(), 1u);
    EXPECT_EQ(parent.itemChanges[0].row, 0);
    EXPECT_TRUE(parent.itemChanges[0].oldState.selected);
    EXPECT_FALSE(parent.itemChanges[0].newState.selected);

    // Space toggles the focused row's box; setting a box from code is reported the same way.
    parent.Clear();
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_TRUE(grid->IsChecked(2));
    grid->SetCheck(1, false);
    grid->SetCheck(1, false);  // no change, no notification
    EXPECT_EQ(parent.Of(LVN_ITEMCHANGED),
              (std::vector<Notification>{{LVN_ITEMCHANGED, 2, 0}, {LVN_ITEMCHANGED, 1, 0}}));
    EXPECT_TRUE(parent.Of(GN_ROWSELECTED).empty());
}

TEST_F(GridTest, SeveralRowsCanBeSelected) {
    AddRows({"a", "b", "c"});
    Click(0, 0);
    Click(2, 0, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(parent.Of(GN_ROWSELECTED), (std::vector<Notification>{{GN_ROWSELECTED, 0, 0}, {GN_ROWSELECTED, 2, 0}}));
    EXPECT_EQ(grid->RowData(2)->key, 102);
}

TEST_F(GridTest, FirstDoubleClickFocusesTheRowAndTheNextEditsTheClickedCell) {
    AddRows({"a", "b", "c"});
    parent.answers[GN_BEGINEDIT] = 1;

    DoubleClick(1, 1);
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(grid->FocusedRow(), 1);
    EXPECT_TRUE(grid->IsRowSelected(1));
    EXPECT_EQ(parent.Of(GN_DBLCLK), (std::vector<Notification>{{GN_DBLCLK, 1, 1}}));
    EXPECT_TRUE(parent.Of(GN_BEGINEDIT).empty());

    DoubleClick(1, 1);
    CGridCtrlEditCell* editor = FocusedEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Column(), 1);
    EXPECT_EQ(editor->text(), "bb");
    EXPECT_EQ(parent.Of(GN_BEGINEDIT), (std::vector<Notification>{{GN_BEGINEDIT, 1, 1}}));
}

TEST_F(GridTest, DoubleClickWithoutEditingOrWithTheParentSuppressingIt) {
    AddRows({"a", "b"});
    Click(0, 0);

    // A parent that does not answer GN_BEGINEDIT keeps the cell closed.
    DoubleClick(0, 1);
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(parent.Of(GN_BEGINEDIT), (std::vector<Notification>{{GN_BEGINEDIT, 0, 1}}));

    // A suppressed double click does neither the editing nor the selecting.
    parent.answers[GN_BEGINEDIT] = 1;
    parent.dblClkResult = 1;
    DoubleClick(0, 1);
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(parent.Of(GN_BEGINEDIT).size(), 1u);

    // A double click below the last row hits no row.
    parent.dblClkResult = 0;
    parent.Clear();
    DoubleClickAt(QPoint(20, grid->viewport()->height() - 5));
    EXPECT_EQ(parent.Of(GN_DBLCLK), (std::vector<Notification>{{GN_DBLCLK, -1, -1}}));
    EXPECT_EQ(FocusedEditor(), nullptr);
}

struct SortRow {
    const char* name;
    int kind;
    std::vector<QString> texts;
    std::vector<QString> ascending;
};

class GridSortTest : public GridFixture, public testing::WithParamInterface<SortRow> {};

TEST_P(GridSortTest, SortsAscendingThenDescendingWithTheArrow) {
    const SortRow& row = GetParam();
    AddRows(row.texts);
    parent.answers[GN_SORT] = row.kind;
    const QPoint title(grid->header()->sectionViewportPosition(0) + 50, grid->header()->height() / 2);

    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, title);
    EXPECT_EQ(Column(0), row.ascending);
    EXPECT_EQ(grid->SortColumn(), 0);
    EXPECT_EQ(grid->SortKind(), row.kind);
    EXPECT_TRUE(grid->header()->isSortIndicatorShown());
    EXPECT_EQ(grid->header()->sortIndicatorSection(), 0);
    EXPECT_EQ(grid->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    for (int i = 0; i < grid->RowCount(); ++i) EXPECT_EQ(grid->ItemText(i, 1), "b" + grid->ItemText(i, 0));

    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, title);
    const std::vector<QString> descending(row.ascending.rbegin(), row.ascending.rend());
    EXPECT_EQ(Column(0), descending);
    EXPECT_EQ(grid->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(parent.Of(GN_SORT), (std::vector<Notification>{{GN_SORT, 0, 1}, {GN_SORT, 0, 0}}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GridSortTest,
    testing::Values(
        SortRow{"Numeric", kGridSortNumeric, {"10", "9.5", "-1", "100"}, {"-1", "9.5", "10", "100"}},
        SortRow{"Date",
                kGridSortDate,
                {"01.01.70  00:00", "31.12.69  23:59", "09.12.26  08:05", "15.06.1901  12:00", "02.01.70  00:00"},
                {"15.06.1901  12:00", "31.12.69  23:59", "01.01.70  00:00", "02.01.70  00:00", "09.12.26  08:05"}},
        SortRow{"Text", 1, {"бета", "Beta", "АЛЬФА", "alpha2"}, {"alpha2", "Beta", "АЛЬФА", "бета"}}),
    [](const testing::TestParamInfo<SortRow>& info) { return std::string(info.param.name); });

TEST_F(GridTest, HeaderClickLeavesRowsAndArrowsWhenTheParentIgnoresSorting) {
    AddRows({"b", "c", "a"});
    const auto clickTitle = [&](int column) {
        const QPoint title(grid->header()->sectionViewportPosition(column) + 50, grid->header()->height() / 2);
        QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, title);
    };

    clickTitle(0);
    EXPECT_EQ(Column(0), (std::vector<QString>{"b", "c", "a"}));
    EXPECT_FALSE(grid->header()->isSortIndicatorShown());
    EXPECT_EQ(parent.Of(GN_SORT), (std::vector<Notification>{{GN_SORT, 0, 1}}));

    // After a real sort by column 1, an ignored click on column 0 keeps column 1's arrow.
    parent.answers[GN_SORT] = 1;
    clickTitle(1);
    EXPECT_EQ(Column(0), (std::vector<QString>{"a", "b", "c"}));
    parent.answers[GN_SORT] = 0;
    clickTitle(0);
    clickTitle(0);
    EXPECT_EQ(Column(0), (std::vector<QString>{"a", "b", "c"}));
    EXPECT_EQ(grid->header()->sortIndicatorSection(), 1);
    EXPECT_EQ(grid->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    // The direction still toggles with each request on the same column.
    EXPECT_EQ(parent.Of(GN_SORT).back(), (Notification{GN_SORT, 0, 0}));

    // With the no-sort-header style nothing is asked.
    parent.Clear();
    grid->SetNoSortHeader(true);
    clickTitle(1);
    EXPECT_TRUE(parent.Of(GN_SORT).empty());
}

TEST_F(GridTest, ContextMenuReportsTheMouseOrTheGridCornerFromTheKeyboard) {
    const QPoint global = grid->viewport()->mapToGlobal(QPoint(30, 40));
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(30, 40), global);
    QApplication::sendEvent(grid->viewport(), &byMouse);
    QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
    QApplication::sendEvent(grid, &byKeyboard);

    const QPoint corner = grid->mapToGlobal(grid->contentsRect().topLeft() + QPoint(5, 5));
    EXPECT_EQ(parent.Of(GN_CONTEXTMENU), (std::vector<Notification>{{GN_CONTEXTMENU, global.x(), global.y()},
                                                                    {GN_CONTEXTMENU, corner.x(), corner.y()}}));
}

TEST_F(GridTest, ColumnMoveIsUndoneWhenTheParentRefusesIt) {
    grid->InsertColumn(2, "C", Qt::AlignLeft, 60);
    grid->SetExtendedStyle(LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
    QHeaderView* header = grid->header();

    parent.answers[GN_COLUMNMOVED] = 1;
    header->moveSection(1, 2);
    EXPECT_EQ(header->visualIndex(1), 1);

    parent.answers[GN_COLUMNMOVED] = 0;
    header->moveSection(1, 2);
    EXPECT_EQ(header->visualIndex(1), 2);
    EXPECT_EQ(parent.Of(GN_COLUMNMOVED), (std::vector<Notification>{{GN_COLUMNMOVED, 1, 2}, {GN_COLUMNMOVED, 1, 2}}));

    // A zero-width column moves without asking.
    grid->setColumnWidth(0, 0);
    header->moveSection(header->visualIndex(0), 2);
    EXPECT_EQ(parent.Of(GN_COLUMNMOVED).size(), 2u);
}

class GridResizeTest : public GridFixture {
protected:
    // Drags the right edge of column by dx pixels.
    void DragEdge(int column, int dx) {
        QWidget* bar = grid->header()->viewport();
        const int edge = grid->header()->sectionViewportPosition(column) + grid->columnWidth(column) - 1;
        const QPoint from(edge, grid->header()->height() / 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, from);
        QTest::mouseMove(bar, from + QPoint(dx / 2, 0));
        QTest::mouseMove(bar, from + QPoint(dx, 0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, from + QPoint(dx, 0));
    }
};

TEST_F(GridResizeTest, TheParentMayForbidAResizeAndHearsItsEnd) {
    parent.answers[GN_BEGINRESIZE] = 1;
    DragEdge(0, 30);
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(parent.all, (std::vector<Notification>{{GN_BEGINRESIZE, 0, 0}}));

    parent.answers[GN_BEGINRESIZE] = 0;
    parent.Clear();
    DragEdge(0, 30);
    EXPECT_EQ(grid->columnWidth(0), 130);
    EXPECT_EQ(parent.all, (std::vector<Notification>{{GN_BEGINRESIZE, 0, 0}, {GN_ENDRESIZE, 0, 130}}));
}

TEST_F(GridResizeTest, AZeroWidthColumnIsNeverResized) {
    grid->InsertColumn(2, "C", Qt::AlignLeft, 60);
    grid->setColumnWidth(1, 0);
    // The grip right of column 0 is also the left edge of the hidden column's neighbour.
    const int edge = grid->header()->sectionViewportPosition(2);
    QWidget* bar = grid->header()->viewport();
    const QPoint from(edge + 1, grid->header()->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(bar, from + QPoint(40, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, from + QPoint(40, 0));
    EXPECT_EQ(grid->columnWidth(1), 0);
    EXPECT_TRUE(parent.Of(GN_BEGINRESIZE).empty());
    EXPECT_TRUE(parent.Of(GN_ENDRESIZE).empty());
}

TEST_F(GridResizeTest, TheStretchColumnTakesTheSpareWidthUnlessTheParentKeepsIt) {
    grid->SetStretchColumn(1);
    const int rowsWidth = grid->viewport()->width();
    EXPECT_EQ(grid->columnWidth(1), rowsWidth - 100);

    DragEdge(0, -40);
    EXPECT_EQ(grid->columnWidth(0), 60);
    EXPECT_EQ(grid->columnWidth(1), rowsWidth - 60);

    parent.answers[GN_ENDRESIZE] = 1;
    DragEdge(0, 20);
    EXPECT_EQ(grid->columnWidth(0), 80);
    EXPECT_EQ(grid->columnWidth(1), rowsWidth - 60);

    window.resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(grid->columnWidth(1), grid->viewport()->width() - 80);
}

TEST_F(GridResizeTest, TheStretchColumnFillsTheListAsItGrowsAndShrinksButNeverBelowItsWidth) {
    grid->InsertColumn(2, "C", Qt::AlignLeft, 60);
    grid->SetStretchColumn(1);
    for (const int windowWidth : {600, 250, 700, 300, 420}) {
        window.resize(windowWidth, 300);
        QApplication::processEvents();
        SCOPED_TRACE(windowWidth);
        EXPECT_EQ(grid->columnWidth(0), 100);
        EXPECT_EQ(grid->columnWidth(2), 60);
        const int free = grid->viewport()->width() - 160;
        EXPECT_EQ(grid->columnWidth(1), std::max(free, 100));
        EXPECT_EQ(grid->horizontalScrollBar()->isVisible(), free < 100) << "the rows overflow only at the floor";
    }
}

TEST_F(GridResizeTest, TheStretchColumnStaysWithItsColumnAsColumnsComeAndGo) {
    grid->SetStretchColumn(1);
    const auto free = [&](int others) { return grid->viewport()->width() - others; };

    grid->InsertColumn(0, "First", Qt::AlignLeft, 50);
    EXPECT_EQ(grid->StretchColumn(), 2);
    EXPECT_EQ(grid->columnWidth(2), free(150));
    grid->InsertColumn(3, "Last", Qt::AlignLeft, 70);
    EXPECT_EQ(grid->StretchColumn(), 2);
    EXPECT_EQ(grid->columnWidth(2), free(220));
    grid->DeleteColumn(0);
    EXPECT_EQ(grid->StretchColumn(), 1);
    EXPECT_EQ(grid->columnWidth(1), free(170));
    EXPECT_EQ(grid->headerItem()->text(1), "B");

    // Deleting the stretch column ends the stretching; the others keep their widths from then on.
    grid->DeleteColumn(1);
    EXPECT_EQ(grid->StretchColumn(), -1);
    window.resize(600, 300);
    QApplication::processEvents();
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(grid->columnWidth(1), 70);
}

TEST_F(GridResizeTest, AColumnThatStopsStretchingGetsItsWidthBack) {
    grid->SetStretchColumn(1);
    grid->SetStretchColumn(1);  // named again: its width before the first call stays its floor
    grid->SetStretchColumn(0);
    EXPECT_EQ(grid->columnWidth(1), 100);
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width() - 100);

    grid->SetStretchColumn(-1);
    EXPECT_EQ(grid->StretchColumn(), -1);
    EXPECT_EQ(grid->columnWidth(0), 100);
    grid->SetStretchColumn(2);
    EXPECT_EQ(grid->StretchColumn(), -1) << "there is no column 2";
    window.resize(600, 300);
    QApplication::processEvents();
    EXPECT_EQ(grid->columnWidth(0), 100);
    EXPECT_EQ(grid->columnWidth(1), 100);
}

// The widest cell, out of view below a page of rows, measured as the list itself measures a cell in
// view: its check box and the style's margins included.
TEST_F(GridResizeTest, ContentWidthIsTheWidestCellOfEveryRow) {
    EXPECT_EQ(grid->ContentWidth(0), 0) << "no rows";
    grid->SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    std::vector<QString> texts(60, "a standard");
    texts.back() = "a standard with a much longer name than the others";
    AddRows(texts);
    grid->doItemsLayout();
    const int measuredAtTheTop = grid->ContentWidth(0);
    grid->scrollToBottom();
    grid->resizeColumnToContents(0);
    EXPECT_EQ(measuredAtTheTop, grid->columnWidth(0));
}

TEST_F(GridResizeTest, AFullPageOfRowsLeavesRoomForTheScrollBar) {
    grid->SetStretchColumn(1);
    const int withoutScrollBar = grid->columnWidth(1);
    AddRows(std::vector<QString>(60, "row"));
    grid->doItemsLayout();  // lays the rows out now, the scroll bar follows through the event queue
    QApplication::processEvents();
    ASSERT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_EQ(grid->columnWidth(1), withoutScrollBar - grid->verticalScrollBar()->width());
}

}  // namespace
