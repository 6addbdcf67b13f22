// A grid row: colours from its GridRowData, the check box, and the sort comparison.
#include "grid/GridItem.h"

#include "grid/CGridCtrl.h"
#include "grid/GridSortOrder.h"

#include <QBrush>
#include <QColor>

namespace {

const CGridCtrl* GridOf(const QTreeWidgetItem& item) { return qobject_cast<const CGridCtrl*>(item.treeWidget()); }

// A colour value 0x00BBGGRR; empty for CLR_DEFAULT and every other value with a non-zero top byte.
QVariant Brush(uint32_t colour) {
    if ((colour & 0xFF000000) != 0) return {};
    return QBrush(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
}

}  // namespace

QVariant GridItem::data(int column, int role) const {
    const CGridCtrl* grid = GridOf(*this);
    switch (role) {
    case Qt::CheckStateRole:
        if (column != 0 || !grid || !(grid->ExtendedStyle() & LVS_EX_CHECKBOXES)) return {};
        return static_cast<int>(checked ? Qt::Checked : Qt::Unchecked);
    case Qt::ForegroundRole: return rowData ? Brush(rowData->textColor) : QVariant();
    case Qt::BackgroundRole: return rowData ? Brush(rowData->backColor) : QVariant();
    case Qt::TextAlignmentRole:
        if (!grid) return {};
        return static_cast<int>(grid->ColumnAlignment(column) | Qt::AlignVCenter);
    default: return QTreeWidgetItem::data(column, role);
    }
}

void GridItem::setData(int column, int role, const QVariant& value) {
    if (role != Qt::CheckStateRole) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    if (auto* grid = qobject_cast<CGridCtrl*>(treeWidget())) {
        grid->SetCheck(grid->indexOfTopLevelItem(this), value.toInt() == Qt::Checked);
    }
}

bool GridItem::operator<(const QTreeWidgetItem& other) const {
    const CGridCtrl* grid = GridOf(*this);
    if (!grid) return false;
    const int column = grid->SortColumn();
    return CompareGridCells(grid->SortKind(), text(column).toStdString(), other.text(column).toStdString()) < 0;
}
