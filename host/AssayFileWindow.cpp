// The assay file window: file name and peak table.
#include "host/AssayFileWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A stored file name is shown after its last "\" or "/".
QString ShortName(const QString& fileName) {
    return fileName.mid(std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/')) + 1);
}

}  // namespace

AssayFileWindow::AssayFileWindow(const QString& fileName, const std::vector<PeakRow>& peaks,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Assay file %1").arg(ShortName(fileName)));
    auto* label = new QLabel(tr("File: %1").arg(fileName), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* table = new QTableWidget(static_cast<int>(peaks.size()), 10, this);
    table->setHorizontalHeaderLabels({tr("Assay"), tr("Channel"), tr("Name"), tr("Name id"),
                                      tr("Time, min"), tr("Area"), tr("Height"),
                                      tr("Concentration"), tr("Front, min"), tr("Back, min")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int r = 0; r < table->rowCount(); ++r) {
        const PeakRow& peak = peaks[static_cast<std::size_t>(r)];
        const QStringList cells = {
            QString::number(peak.assayId), QString::number(peak.channel),
            QString::fromStdString(peak.name), QString::fromStdString(peak.nameId),
            QString::number(peak.time, 'f', 3), QString::number(peak.area, 'g', 6),
            QString::number(peak.height, 'g', 6), QString::number(peak.concentration, 'g', 6),
            QString::number(peak.front, 'f', 3), QString::number(peak.back, 'f', 3)};
        for (int c = 0; c < cells.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table->resizeColumnsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table);
    resize(900, 400);
}
