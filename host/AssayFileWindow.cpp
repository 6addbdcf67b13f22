// The assay file window: file name, the chromatogram of each channel and the peak table.
#include "host/AssayFileWindow.h"

#include "data/COrbitasFile4.h"
#include "host/ChromatogramView.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A stored file name is shown after its last "\" or "/".
QString ShortName(const QString& fileName) {
    return fileName.mid(std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/')) + 1);
}

// One tab per channel of the file; a file that cannot be read gets a tab saying why.
QTabWidget* ChromatogramTabs(const QString& fileName, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    COrbitasFile4 file;
    const int32_t result = file.Read(fileName.toStdString()).code;
    if (result != COrbitasFile4::Ok) {
        auto* problem =
            new QLabel(AssayFileWindow::tr("The chromatogram file cannot be read (code %1).").arg(result), tabs);
        problem->setAlignment(Qt::AlignCenter);
        tabs->addTab(problem, AssayFileWindow::tr("Chromatogram"));
        return tabs;
    }
    for (const Channel& channel : file.channels)
        tabs->addTab(new ChromatogramView(channel, tabs), AssayFileWindow::tr("Channel %1").arg(channel.number));
    return tabs;
}

}  // namespace

AssayFileWindow::AssayFileWindow(const QString& fileName, const std::vector<PeakRow>& peaks, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Assay file %1").arg(ShortName(fileName)));
    auto* label = new QLabel(tr("File: %1").arg(fileName), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(ChromatogramTabs(fileName, splitter));
    auto* table = new QTableWidget(static_cast<int>(peaks.size()), 10, splitter);
    splitter->addWidget(table);
    splitter->setSizes({450, 150});  // pixels: the chromatogram takes most of the height
    table->setHorizontalHeaderLabels({tr("Assay"), tr("Channel"), tr("Name"), tr("Name id"), tr("Time, min"),
                                      tr("Area"), tr("Height"), tr("Concentration"), tr("Front, min"),
                                      tr("Back, min")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int r = 0; r < table->rowCount(); ++r) {
        const PeakRow& peak = peaks[static_cast<std::size_t>(r)];
        const QStringList cells = {QString::number(peak.assayId),        QString::number(peak.channel),
                                   QString::fromStdString(peak.name),    QString::fromStdString(peak.nameId),
                                   QString::number(peak.time, 'f', 3),   QString::number(peak.area, 'g', 6),
                                   QString::number(peak.height, 'g', 6), QString::number(peak.concentration, 'g', 6),
                                   QString::number(peak.front, 'f', 3),  QString::number(peak.back, 'f', 3)};
        for (int c = 0; c < cells.size(); ++c) table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table->resizeColumnsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(splitter);
    resize(900, 650);
}
