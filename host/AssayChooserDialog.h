// The modal assay chooser behind "Main/OpenAssayIdDlgEx": the [assay] rows of the database, several
// selectable; OK hands back the identifiers of the selected rows.
#pragma once

#include "host/AssayDatabase.h"
#include "host/AssayTable.h"
#include "hostlink/HostApi.h"

#include <QDialog>

class AssayChooserDialog : public QDialog {
    Q_OBJECT
public:
    // Lists rows; nothing is selected at first.
    AssayChooserDialog(const std::vector<AssayRow>& rows, QWidget* parent);
    // Identifiers of the selected rows from top to bottom; empty when none is selected.
    std::vector<int32_t> SelectedIds() const { return table_->SelectedIds(); }
    // The table of rows, owned by the dialog.
    AssayTable* Table() const { return table_; }

    // Shows the chooser modally over parent; on OK writes the chosen identifiers into list (at most
    // its capacity) and returns how many were written; 0 on Cancel or for an unusable list.
    static int32_t Choose(const std::vector<AssayRow>& rows, AssayIdList* list, QWidget* parent);

private:
    AssayTable* table_;
};
