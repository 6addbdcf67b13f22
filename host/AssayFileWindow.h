// The window behind "Main/OpenAssayFile": the file name and the [peak] rows of the assays stored
// with it. Deletes itself when closed.
#pragma once

#include "host/AssayDatabase.h"

#include <QWidget>

class AssayFileWindow : public QWidget {
    Q_OBJECT
public:
    // Shows fileName and peaks (which may be empty) in a window of its own above parent.
    AssayFileWindow(const QString& fileName, const std::vector<PeakRow>& peaks, QWidget* parent);
};
