// The table of [assay] rows shown by the main window and the assay chooser.
#pragma once

#include "host/AssayDatabase.h"

#include <QTableWidget>

#include <vector>

// A read-only table of rows: identifier, date (local time), file, sample, mixture, method, type;
// whole rows are selected, several at once. The identifier is kept as each row's user data.
class AssayTable : public QTableWidget {
    Q_OBJECT
public:
    // An empty table with the seven column titles.
    explicit AssayTable(QWidget* parent = nullptr);
    // Replaces the rows shown.
    void SetRows(const std::vector<AssayRow>& rows);
    // Identifiers of the selected rows from top to bottom; empty when none is selected.
    std::vector<int32_t> SelectedIds() const;
};
