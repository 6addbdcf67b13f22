// CGridCtrl: the report-view list behind the module's lists (assays, calibration points,
// components). Columns with titles, widths (pixels) and alignment; rows of cell texts, each with a
// check box and a GridRowData; per-row colours; in-place cell editing; sorting by a column. Every
// decision (may this cell be edited, keep the new text, how to sort) is asked of a GridParent.
#pragma once

#include "grid/GridNotify.h"
#include "grid/GridRowData.h"

#include <QPointer>
#include <QTreeWidget>

#include <cstdint>
#include <optional>
#include <vector>

class CGridCtrlEditCell;
class GridItem;
class GridParent;

// Extended styles, with the list view's bit values.
inline constexpr uint32_t LVS_EX_GRIDLINES = 0x1;
inline constexpr uint32_t LVS_EX_CHECKBOXES = 0x4;
inline constexpr uint32_t LVS_EX_HEADERDRAGDROP = 0x10;
inline constexpr uint32_t LVS_EX_FULLROWSELECT = 0x20;
inline constexpr uint32_t LVS_EX_INFOTIP = 0x400;

class CGridCtrl : public QTreeWidget {
    Q_OBJECT

public:
    // notifyParent may be null: every notification is then answered 0. It must outlive the grid.
    // The grid starts with grid lines, full-row selection and info tips.
    CGridCtrl(int32_t controlId, GridParent* notifyParent, QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // The identifier the grid puts into every notification header.
    int32_t ControlId() const { return controlId_; }

    // Replaces the extended styles (LVS_EX_* bits; unknown bits are kept without effect).
    void SetExtendedStyle(uint32_t styles);
    // The LVS_EX_* bits last set.
    uint32_t ExtendedStyle() const { return extendedStyle_; }
    // With the no-sort-header style a click on a column title does nothing.
    void SetNoSortHeader(bool noSortHeader);

    // Inserts a column before column (appended when past the last); returns its index, or -1 when
    // column is negative. alignment: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    int InsertColumn(int column, const QString& title, Qt::Alignment alignment = Qt::AlignLeft, int width = 80);
    // Removes a column with its cell texts; false when there is no such column.
    bool DeleteColumn(int column);
    // The column's horizontal alignment; Qt::AlignLeft for no such column.
    Qt::Alignment ColumnAlignment(int column) const;
    // The column fills the rows' width the others leave from now on, never below its width now; -1 = none.
    void SetStretchColumn(int column);
    // The stretch column never gets narrower than pixels from now on (at least its width when named).
    void SetStretchFloor(int pixels);
    // The width, in pixels, the column's widest cell needs as the list paints it (text, the style's
    // margins, a check box where there is one), over every row, in view or not; 0 without rows.
    int ContentWidth(int column) const;
    // -1 when no column stretches, also after naming a column that does not exist.
    int StretchColumn() const { return stretchColumn_; }
    // Gives the stretch column the width the other columns leave in the rows' area, but no less than
    // its width when named; nothing without one. The grid calls it when the list or its columns change.
    void Stretch();

    // Inserts a row with text in column 0 before row (appended when past the last), with its box
    // clear and no row data; returns its index, or -1 when row is negative.
    int InsertRow(int row, const QString& text);
    // 0 for an empty grid.
    int RowCount() const { return topLevelItemCount(); }
    // false when there is no such cell.
    bool SetItemText(int row, int column, const QString& text);
    // "" for no such cell.
    QString ItemText(int row, int column) const;
    // Attaches data to a row, replacing earlier data; false for no such row.
    bool SetRowData(int row, const GridRowData& data);
    // The row's data, valid until the row is deleted; null when the row has none or does not exist.
    GridRowData* RowData(int row) const;
    // Deletes every row together with its row data.
    void DeleteAllRows();

    // Sets the row's check box; a change reaches the parent as LVN_ITEMCHANGED. false for no such row.
    bool SetCheck(int row, bool checked);
    // false for no such row.
    bool IsChecked(int row) const;
    // Selects or deselects a row, telling the parent as a user's selection would; false for no such row.
    bool SetRowSelected(int row, bool selected);
    // false for no such row.
    bool IsRowSelected(int row) const;
    // The selected rows in ascending order; empty when none.
    std::vector<int> SelectedRows() const;
    // The row holding the focus; -1 when none.
    int FocusedRow() const;

    // Opens the in-place editor over a cell when the parent allows it; null for an invalid cell or a
    // refusal. The editor deletes itself when it loses the focus.
    CGridCtrlEditCell* EditCell(int row, int column);

    // The column of the last sort request; -1 before the first.
    int SortColumn() const { return sortColumn_; }
    // The direction of the last sort request; true before the first.
    bool SortAscending() const { return sortAscending_ != 0; }
    // The parent's answer to the last sort request; 0 before the first.
    int SortKind() const { return sortKind_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    friend class CGridCtrlEditCell;

    GridItem* Row(int row) const;
    GridNotifyHeader Header(int32_t code);
    GridParent& Parent() const;
    GridItemState StateOf(int row) const;
    void NotifyItemChanged(int row, GridItemState oldState, GridItemState newState);

    QStyleOptionViewItem CellOption(const QModelIndex& cell) const;
    QRect CheckRect(const QModelIndex& cell) const;
    QRect LabelRect(const QModelIndex& cell) const;
    bool IsOnCheckBox(const QPoint& position) const;
    void CopyColumn(int from, int to);

    void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void OnColumnClick(int column);
    void OnColumnMoved(int column, int oldVisual, int newVisual);
    void ShowSortArrow();
    int ResizeHandleAt(int x) const;
    bool BeginResize(int column);
    void EndResize();
    // The editor's end: text is empty when the edit was cancelled.
    void EndLabelEdit(const QPersistentModelIndex& cell, const std::optional<QString>& text);

    int32_t controlId_;
    GridParent* notifyParent_;
    uint32_t extendedStyle_ = 0;

    int32_t sortColumn_ = -1;
    int32_t sortAscending_ = 1;
    int32_t sortKind_ = 0;
    int32_t stretchColumn_ = -1;  // follows its column through inserts and deletes; -1 = none
    int stretchFloor_ = 0;  // the stretch column's width when it was named

    int arrowColumn_ = -1;  // column showing a sort arrow; -1 = none
    bool arrowAscending_ = true;
    int focusedRowAtPress_ = -1;  // focused row before the last mouse press, for the double-click rule
    QPersistentModelIndex checkPressed_;  // check box under the last press, toggled on release
    int resizingColumn_ = -1;  // column being resized with the mouse; -1 = none
    bool undoingMove_ = false;
    QPointer<CGridCtrlEditCell> editor_;
};
