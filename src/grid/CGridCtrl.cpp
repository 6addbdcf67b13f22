// The grid list: columns, rows with check boxes and row data, selection and check notifications,
// in-place editing, sorting, header notifications and the stretch column. Sizes are in pixels.
#include "grid/CGridCtrl.h"

#include "grid/CGridCtrlEditCell.h"
#include "grid/GridItem.h"
#include "grid/GridParent.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

// Rows covered by a selection, ascending, each once.
std::vector<int> RowsOf(const QItemSelection& selection) {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A remembered column index (-1 = none) after a column is inserted before column.
int AfterInsert(int remembered, int column) { return remembered >= column ? remembered + 1 : remembered; }

// A remembered column index after the column at column is deleted: none when it was that one.
int AfterDelete(int remembered, int column) {
    if (remembered == column) return -1;
    return remembered > column ? remembered - 1 : remembered;
}

}  // namespace

CGridCtrl::CGridCtrl(int32_t controlId, GridParent* notifyParent, QWidget* parent)
    : QTreeWidget(parent), controlId_(controlId), notifyParent_(notifyParent) {
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    header()->setSectionsClickable(true);
    header()->viewport()->installEventFilter(this);
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CGridCtrl::OnSelectionChanged);
    connect(header(), &QHeaderView::sectionClicked, this, &CGridCtrl::OnColumnClick);
    connect(header(), &QHeaderView::sectionMoved, this, &CGridCtrl::OnColumnMoved);
    // Scrolling ends any cell edit first: the grid takes the focus from the editor.
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { setFocus(Qt::OtherFocusReason); });
    }
}

CGridCtrl::~CGridCtrl() {
    // Nothing may reach the parent or this object while the base classes tear the rows down.
    notifyParent_ = nullptr;
    if (editor_) editor_->Detach();
    header()->viewport()->removeEventFilter(this);
    disconnect(selectionModel(), nullptr, this, nullptr);
    disconnect(header(), nullptr, this, nullptr);
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
    disconnect(horizontalScrollBar(), nullptr, this, nullptr);
}

void CGridCtrl::SetExtendedStyle(uint32_t styles) {
    extendedStyle_ = styles;
    setAllColumnsShowFocus((styles & LVS_EX_FULLROWSELECT) != 0);
    header()->setSectionsMovable((styles & LVS_EX_HEADERDRAGDROP) != 0);
    doItemsLayout();  // check boxes change the rows' look
    viewport()->update();
}

void CGridCtrl::SetNoSortHeader(bool noSortHeader) { header()->setSectionsClickable(!noSortHeader); }

int CGridCtrl::InsertColumn(int column, const QString& title, Qt::Alignment alignment, int width) {
    if (column < 0) return -1;
    const int count = columnCount();
    column = std::min(column, count);
    // No stretching while the columns shift: a scroll bar coming or going would stretch the wrong one.
    const int stretch = std::exchange(stretchColumn_, -1);
    setColumnCount(count + 1);
    for (int from = count - 1; from >= column; --from) CopyColumn(from, from + 1);
    headerItem()->setText(column, title);
    headerItem()->setTextAlignment(column, (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    for (int row = 0; row < RowCount(); ++row) topLevelItem(row)->setText(column, QString());
    setColumnWidth(column, width);
    arrowColumn_ = AfterInsert(arrowColumn_, column);
    stretchColumn_ = AfterInsert(stretch, column);
    ShowSortArrow();
    Stretch();
    return column;
}

bool CGridCtrl::DeleteColumn(int column) {
    const int count = columnCount();
    if (column < 0 || column >= count) return false;
    // No stretching while the columns shift: a scroll bar coming or going would stretch the wrong one.
    const int stretch = std::exchange(stretchColumn_, -1);
    for (int to = column; to < count - 1; ++to) CopyColumn(to + 1, to);
    setColumnCount(count - 1);
    arrowColumn_ = AfterDelete(arrowColumn_, column);
    stretchColumn_ = AfterDelete(stretch, column);
    ShowSortArrow();
    Stretch();
    return true;
}

void CGridCtrl::CopyColumn(int from, int to) {
    headerItem()->setText(to, headerItem()->text(from));
    headerItem()->setTextAlignment(to, Qt::Alignment(headerItem()->textAlignment(from)));
    setColumnWidth(to, columnWidth(from));
    for (int row = 0; row < RowCount(); ++row) topLevelItem(row)->setText(to, topLevelItem(row)->text(from));
}

Qt::Alignment CGridCtrl::ColumnAlignment(int column) const {
    if (column < 0 || column >= columnCount()) return Qt::AlignLeft;
    return Qt::Alignment(headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask;
}

void CGridCtrl::SetStretchColumn(int column) {
    if (column != stretchColumn_) {
        if (stretchColumn_ >= 0) setColumnWidth(stretchColumn_, stretchFloor_);  // the former one, as named
        const bool exists = column >= 0 && column < columnCount();
        stretchColumn_ = exists ? column : -1;
        stretchFloor_ = exists ? columnWidth(column) : 0;
    }
    Stretch();
}

void CGridCtrl::SetStretchFloor(int pixels) {
    if (stretchColumn_ < 0) return;
    stretchFloor_ = pixels;
    Stretch();
}

int CGridCtrl::ContentWidth(int column) const {
    // The delegate lays each cell out as it paints it, with the style's margins and check box. Asked
    // for every row: the view's own sizeHintForColumn looks only at the rows in view.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        const QModelIndex index = model()->index(row, column);
        widest = std::max(widest, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return widest;
}

void CGridCtrl::Stretch() {
    if (stretchColumn_ < 0 || stretchColumn_ >= columnCount()) return;
    int space = viewport()->width();
    for (int column = 0; column < columnCount(); ++column) {
        if (column != stretchColumn_) space -= columnWidth(column);
    }
    // Never below the width it was named with: past that the rows scroll sideways.
    setColumnWidth(stretchColumn_, std::max(space, stretchFloor_));
}

int CGridCtrl::InsertRow(int row, const QString& text) {
    if (row < 0) return -1;
    row = std::min(row, RowCount());
    auto* item = new GridItem();
    item->setText(0, text);
    insertTopLevelItem(row, item);
    return row;
}

bool CGridCtrl::SetItemText(int row, int column, const QString& text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= columnCount()) return false;
    topLevelItem(row)->setText(column, text);
    return true;
}

QString CGridCtrl::ItemText(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= columnCount()) return {};
    return topLevelItem(row)->text(column);
}

GridItem* CGridCtrl::Row(int row) const {
    if (row < 0 || row >= RowCount()) return nullptr;
    return dynamic_cast<GridItem*>(topLevelItem(row));
}

bool CGridCtrl::SetRowData(int row, const GridRowData& data) {
    GridItem* item = Row(row);
    if (!item) return false;
    item->rowData = data;
    item->Refresh();
    return true;
}

GridRowData* CGridCtrl::RowData(int row) const {
    GridItem* item = Row(row);
    return item && item->rowData ? &*item->rowData : nullptr;
}

void CGridCtrl::DeleteAllRows() {
    clear();  // each row takes its row data with it
}

bool CGridCtrl::SetCheck(int row, bool checked) {
    GridItem* item = Row(row);
    if (!item) return false;
    if (item->checked == checked) return true;
    const GridItemState before = StateOf(row);
    item->checked = checked;
    item->Refresh();
    NotifyItemChanged(row, before, StateOf(row));
    return true;
}

bool CGridCtrl::IsChecked(int row) const {
    const GridItem* item = Row(row);
    return item && item->checked;
}

bool CGridCtrl::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= RowCount()) return false;
    const auto command =
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows;
    selectionModel()->select(model()->index(row, 0), command);
    return true;
}

bool CGridCtrl::IsRowSelected(int row) const {
    return row >= 0 && row < RowCount() && selectionModel()->isRowSelected(row, QModelIndex());
}

std::vector<int> CGridCtrl::SelectedRows() const { return RowsOf(selectionModel()->selection()); }

int CGridCtrl::FocusedRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

GridNotifyHeader CGridCtrl::Header(int32_t code) { return {this, controlId_, code}; }

GridParent& CGridCtrl::Parent() const {
    static GridParent handlesNothing;
    return notifyParent_ ? *notifyParent_ : handlesNothing;
}

GridItemState CGridCtrl::StateOf(int row) const { return {IsRowSelected(row), IsChecked(row)}; }

void CGridCtrl::NotifyItemChanged(int row, GridItemState oldState, GridItemState newState) {
    Parent().OnGridItemChanged({Header(LVN_ITEMCHANGED), row, oldState, newState});
}

void CGridCtrl::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    for (const int row : RowsOf(deselected)) {
        if (row < RowCount() && !IsRowSelected(row)) {
            NotifyItemChanged(row, {true, IsChecked(row)}, {false, IsChecked(row)});
        }
    }
    for (const int row : RowsOf(selected)) {
        if (row < RowCount() && IsRowSelected(row)) Parent().OnGridCell({Header(GN_ROWSELECTED), row, 0});
    }
}

QStyleOptionViewItem CGridCtrl::CellOption(const QModelIndex& cell) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(cell);
    option.index = cell;
    option.text = cell.data(Qt::DisplayRole).toString();
    option.features |= QStyleOptionViewItem::HasDisplay;
    if (cell.data(Qt::CheckStateRole).isValid()) option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return option;
}

QRect CGridCtrl::CheckRect(const QModelIndex& cell) const {
    const QStyleOptionViewItem option = CellOption(cell);
    if (!(option.features & QStyleOptionViewItem::HasCheckIndicator)) return {};
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

QRect CGridCtrl::LabelRect(const QModelIndex& cell) const {
    const QStyleOptionViewItem option = CellOption(cell);
    QRect label = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    label.setRight(option.rect.right());
    return label;
}

bool CGridCtrl::IsOnCheckBox(const QPoint& position) const {
    const QModelIndex cell = indexAt(position);
    return cell.isValid() && cell.column() == 0 && CheckRect(cell).contains(position);
}

// A press on a check box toggles it on release and leaves the selection alone; any other press
// selects as usual. The focused row is remembered for the double-click rule.
void CGridCtrl::mousePressEvent(QMouseEvent* event) {
    focusedRowAtPress_ = FocusedRow();
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && IsOnCheckBox(position)) {
        checkPressed_ = indexAt(position);
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    checkPressed_ = QPersistentModelIndex();
    QTreeWidget::mousePressEvent(event);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (!checkPressed_.isValid()) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    const QModelIndex pressed = checkPressed_;
    checkPressed_ = QPersistentModelIndex();
    if (event->button() == Qt::LeftButton && CheckRect(pressed).contains(event->position().toPoint())) {
        SetCheck(pressed.row(), !IsChecked(pressed.row()));
    }
    event->accept();
}

// GN_DBLCLK first. Unless the parent suppresses the grid's own action: a double click on the row
// that held the focus edits the clicked cell; on any other row it gives that row focus and selection.
void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() != Qt::LeftButton) return;
    if (IsOnCheckBox(position)) {
        mousePressEvent(event);  // a second toggle, as two quick clicks would give
        return;
    }
    const QModelIndex hit = indexAt(position);
    const GridActivation activation{hit.isValid() ? hit.row() : -1, hit.isValid() ? hit.column() : -1, position};
    intptr_t result = 0;
    const QPersistentModelIndex cell = hit;
    Parent().OnGridDblClk({Header(GN_DBLCLK), &activation, &result});
    if (result != 0 || !cell.isValid()) return;
    if (cell.row() == focusedRowAtPress_) {
        EditCell(cell.row(), cell.column());
        return;
    }
    selectionModel()->setCurrentIndex(model()->index(cell.row(), 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Space toggles the focused row's check box, whichever cell of the row is current.
void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    const int row = FocusedRow();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && row >= 0 &&
        (extendedStyle_ & LVS_EX_CHECKBOXES)) {
        SetCheck(row, !IsChecked(row));
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard there is no mouse position: the grid's top-left corner, 5 pixels in.
    const QPoint position = event->reason() == QContextMenuEvent::Keyboard
                                ? mapToGlobal(contentsRect().topLeft() + QPoint(5, 5))
                                : event->globalPos();
    Parent().OnGridContextMenu({Header(GN_CONTEXTMENU), position.x(), position.y()});
    event->accept();
}

void CGridCtrl::wheelEvent(QWheelEvent* event) {
    setFocus(Qt::OtherFocusReason);  // ends any cell edit before the rows move
    QTreeWidget::wheelEvent(event);
}

bool CGridCtrl::viewportEvent(QEvent* event) {
    const bool handled = QTreeWidget::viewportEvent(event);
    if (event->type() == QEvent::Resize) Stretch();
    return handled;
}

void CGridCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QTreeWidget::drawRow(painter, option, index);
    if (!(extendedStyle_ & LVS_EX_GRIDLINES)) return;
    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    const QRect& row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int column = 0; column < columnCount(); ++column) {
        const int right = header()->sectionViewportPosition(column) + columnWidth(column) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
}

CGridCtrlEditCell* CGridCtrl::EditCell(int row, int column) {
    if (row < 0 || column < 0 || row >= RowCount() || column >= columnCount()) return nullptr;
    const QPersistentModelIndex cell = model()->index(row, column);
    scrollTo(cell);
    if (Parent().OnGridCell({Header(GN_BEGINEDIT), row, column}) == 0 || !cell.isValid()) return nullptr;

    auto* edit = new CGridCtrlEditCell(*this, cell, ItemText(cell.row(), cell.column()));
    edit->setAlignment(ColumnAlignment(cell.column()) | Qt::AlignVCenter);
    edit->setGeometry(LabelRect(cell).adjusted(0, -2, 0, 2));
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    editor_ = edit;
    return edit;
}

void CGridCtrl::EndLabelEdit(const QPersistentModelIndex& cell, const std::optional<QString>& text) {
    // The row may have gone while the editor was open; then there is nothing to store. cell belongs to
    // the editor, which what follows may delete, so the index is copied.
    const QPersistentModelIndex target = cell;  // NOLINT(performance-unnecessary-copy-initialization)
    if (!text || !target.isValid()) return;
    const QString oldText = ItemText(target.row(), target.column());
    if (*text == oldText) return;
    SetItemText(target.row(), target.column(), *text);
    const intptr_t answer = Parent().OnGridCell({Header(GN_CELLCHANGED), target.row(), target.column()});
    if (answer == 0 && target.isValid()) SetItemText(target.row(), target.column(), oldText);
}

void CGridCtrl::OnColumnClick(int column) {
    sortAscending_ = column != sortColumn_ ? 1 : !sortAscending_;
    sortColumn_ = column;
    sortKind_ = static_cast<int32_t>(Parent().OnGridSort({Header(GN_SORT), column, sortAscending_}));
    if (sortKind_ != 0) {
        setFocus(Qt::OtherFocusReason);  // an open cell editor ends before its row moves away
        arrowColumn_ = column;
        arrowAscending_ = sortAscending_ != 0;
        sortItems(column, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    ShowSortArrow();  // the header flips its own indicator on every click; ours is the truth
}

void CGridCtrl::ShowSortArrow() {
    header()->setSortIndicatorShown(arrowColumn_ >= 0);
    if (arrowColumn_ >= 0)
        header()->setSortIndicator(arrowColumn_, arrowAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CGridCtrl::OnColumnMoved(int column, int oldVisual, int newVisual) {
    if (undoingMove_ || columnWidth(column) == 0) return;
    if (Parent().OnGridColumn({Header(GN_COLUMNMOVED), column, newVisual}) == 0) return;
    undoingMove_ = true;
    header()->moveSection(newVisual, oldVisual);
    undoingMove_ = false;
}

// The column whose right edge grip lies under x, found as the header itself finds it; -1 = none.
int CGridCtrl::ResizeHandleAt(int x) const {
    const QHeaderView* bar = header();
    const int visual = bar->visualIndexAt(x);
    if (visual < 0) return -1;
    const int column = bar->logicalIndex(visual);
    const int start = bar->sectionViewportPosition(column);
    const int grip = bar->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, bar);
    if (x < start + grip) {
        for (int previous = visual - 1; previous >= 0; --previous) {
            const int candidate = bar->logicalIndex(previous);
            if (!bar->isSectionHidden(candidate)) return candidate;
        }
        return -1;
    }
    return x > start + bar->sectionSize(column) - grip ? column : -1;
}

// A zero-width column is never resized; any other only when the parent does not forbid it.
bool CGridCtrl::BeginResize(int column) {
    if (columnWidth(column) == 0) return false;
    if (Parent().OnGridColumn({Header(GN_BEGINRESIZE), column, 0}) != 0) return false;
    resizingColumn_ = column;
    return true;
}

void CGridCtrl::EndResize() {
    const int column = resizingColumn_;
    resizingColumn_ = -1;
    if (Parent().OnGridColumn({Header(GN_ENDRESIZE), column, columnWidth(column)}) != 1) Stretch();
}

bool CGridCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != header()->viewport()) return QTreeWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        const int column = ResizeHandleAt(mouse->position().toPoint().x());
        if (column >= 0 && !BeginResize(column)) return true;  // the header never sees the press
        break;
    }
    case QEvent::MouseButtonRelease:
        if (resizingColumn_ >= 0) EndResize();
        break;
    default: break;
    }
    return false;
}
