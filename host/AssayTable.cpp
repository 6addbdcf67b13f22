// The table of [assay] rows.
#include "host/AssayTable.h"

#include <QDateTime>
#include <QHeaderView>

#include <algorithm>

AssayTable::AssayTable(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(7);
    setHorizontalHeaderLabels(
        {tr("Identifier"), tr("Date"), tr("File"), tr("Sample"), tr("Mixture"), tr("Method"), tr("Type")});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
}

void AssayTable::SetRows(const std::vector<AssayRow>& rows) {
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const AssayRow& row = rows[static_cast<std::size_t>(r)];
        const QString date = QDateTime::fromSecsSinceEpoch(row.date).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const QStringList cells = {QString::number(row.id),
                                   date,
                                   QString::fromStdString(row.fileName),
                                   QString::fromStdString(row.sample),
                                   QString::fromStdString(row.mixture),
                                   QString::fromStdString(row.method),
                                   row.isCalibration ? tr("Calibration") : tr("Sample")};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, row.id);
            setItem(r, c, item);
        }
    }
    resizeColumnsToContents();
}

std::vector<int32_t> AssayTable::SelectedIds() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<int32_t> ids;
    for (int r : rows) ids.push_back(item(r, 0)->data(Qt::UserRole).toInt());
    return ids;
}
