// The modal assay chooser.
#include "host/AssayChooserDialog.h"

#include "host/HostRecords.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

AssayChooserDialog::AssayChooserDialog(const std::vector<AssayRow>& rows, QWidget* parent)
    : QDialog(parent), table_(new AssayTable(this)) {
    setWindowTitle(tr("Choose assays"));
    table_->SetRows(rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(800, 400);
}

int32_t AssayChooserDialog::Choose(const std::vector<AssayRow>& rows, AssayIdList* list, QWidget* parent) {
    if (list == nullptr || list->ids == nullptr || list->capacity < 1) return 0;
    AssayChooserDialog dialog(rows, parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return WriteAssayIds(dialog.SelectedIds(), list);
}
