// The workbench's HTML report: an XML document of the chromatograms, the calibration type and
// dependence, the calibration points list as it is shown, the coefficients, a 1000 x 600 pixel picture
// of the calibration chart and the molecular-weight results (g/mol), transformed with the stylesheet
// gel.xsl of the documents folder into an HTML file in the temporary folder, which the desktop opens.
// Nothing here touches the dialog's widgets: the dialog and the headless tool both fill the three
// references with plain data.
#pragma once

#include "base/ModuleEnvironment.h"
#include "base/Status.h"
#include "data/Assay.h"
#include "gpc/PointRowTexts.h"
#include "report/ReportPlatform.h"
#include "report/XMLWrapper.h"

#include <cstdint>
#include <string>
#include <vector>

class CCalibration;

// Whether the user is told of a report's outcome: only when the report cannot be made. A stylesheet
// that the lab has not set up, or one that fails, shows as no page opening.
bool IsToldToUser(const Status& outcome);

class ReportBuilder {
public:
    static constexpr int32_t kPictureWidth = 1000;  // pixels
    static constexpr int32_t kPictureHeight = 600;

    // platform saves the picture and opens the page; environment names the documents folder. Both
    // must outlive the builder.
    ReportBuilder(ReportPlatform& platform, const ModuleEnvironment& environment);

    // Set before each report. calibration gives the results, coefficients, the type and dependence of
    // its last run and the plotted curve and points; assays the "files" section; pointsList the
    // "calc_table" section.
    const CCalibration* calibration = nullptr;
    const std::vector<Assay>* assays = nullptr;
    const std::vector<PointsListRow>* pointsList = nullptr;

    // The whole report: the document with the picture in a new temporary folder, a new temporary
    // ".html" file, the transformation with gel.xsl of the environment's documents folder, and the page
    // opened unless the process environment sets QUORVEL_NO_OPEN=1.
    // ReportError when a reference is null or the document or its page file cannot be made, and then
    // nothing further is made; ReportFolderMissing when there is no documents folder; the
    // transformation's own failure otherwise. Shows nothing itself.
    Status Build();

    // The same report written to htmlPath, with the picture beside it (htmlPath with the extension
    // ".png") and the stylesheet at stylesheetPath; opens nothing. ReportError when a reference is
    // null or the document cannot be built; the transformation's failure otherwise.
    Status WriteReport(const std::string& htmlPath, const std::string& stylesheetPath);

    // Appends the document's sections to its root in order. The picture is saved at picturePath, or
    // as "TempGraph.png" in a new temporary folder when picturePath is empty; "graph" is written only
    // when it was saved. Throws XmlError for a text XML cannot carry or a failing XML library.
    void BuildDocument(XMLWrapper& document, const std::string& picturePath) const;

    // Draws the calibration chart into (0, 0, 1000, 600) of surface: the curve and the points when
    // both exist, else empty axes. calibration must be set.
    void RenderChart(Canvas& surface) const;

    // Transforms document with the stylesheet into outputPath and, when open is true and that
    // succeeded, opens outputPath. Nothing is opened after a failure: TransformFailed when the
    // stylesheet is missing or invalid or the transformation fails, FileNotWritten when outputPath
    // cannot be written.
    Status TransformAndOpen(const XMLWrapper& document, const std::string& stylesheetPath,
                            const std::string& outputPath, bool open);

private:
    // Starts and builds the document; ReportError with the reason when it cannot be.
    Status Compose(XMLWrapper& document, const std::string& picturePath) const;
    bool HasReferences() const;
    void AddFiles(XMLWrapper& document) const;
    void AddCalcTable(XMLWrapper& document) const;
    void AddGraph(XMLWrapper& document, std::string picturePath) const;

    ReportPlatform& platform_;
    const ModuleEnvironment& environment_;
};
