// The window behind "Main/OpenAssayFile": the file name, the chromatogram of each of the file's
// channels and the [peak] rows of the assays stored with it. Deletes itself when closed.
#pragma once

#include "host/AssayDatabase.h"

#include <QWidget>

class AssayFileWindow : public QWidget {
    Q_OBJECT
public:
    // Shows fileName, its chromatograms and peaks (which may be empty) in a window of its own above
    // parent. A file that cannot be read shows its read result instead of the chromatograms.
    AssayFileWindow(const QString& fileName, const std::vector<PeakRow>& peaks, QWidget* parent);
};
