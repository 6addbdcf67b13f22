// One row of a CGridCtrl: its cell texts (kept by the base item), its check box and its
// GridRowData, which live and die with the row.
#pragma once

#include "grid/GridRowData.h"

#include <QTreeWidgetItem>

#include <optional>

class GridItem : public QTreeWidgetItem {
public:
    // A row with no texts, no row data and its box clear.
    GridItem() : QTreeWidgetItem(UserType) {}

    // Colours from the row data, the column's alignment, the check box when the grid shows check
    // boxes; everything else as the base item keeps it.
    QVariant data(int column, int role) const override;
    // A check-box change goes through the grid, which tells the parent; the rest to the base item.
    void setData(int column, int role, const QVariant& value) override;
    // Orders by the grid's sort column and sort kind; false when the item is in no grid.
    bool operator<(const QTreeWidgetItem& other) const override;

    // Repaints the row after a change of its check box or row data.
    void Refresh() { emitDataChanged(); }

    std::optional<GridRowData> rowData;  // empty until the owner attaches data: default colours
    bool checked = false;  // the check box, kept also while the grid shows no boxes
};
