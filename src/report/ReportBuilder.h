// The workbench's HTML report: an XML document of the chromatograms, the calibration type and
// dependence, the calibration points list as it is shown, the coefficients, a 1000 x 600 pixel picture
// of the calibration chart and the molecular-weight results (g/mol), then the additions that a
// stylesheet written for the first sections never meets: the language mark, the fit's quality, the
// samples table and the picture of one sample's molar-mass distribution. Each picture is saved as a
// PNG file and also carried in the document as a data: URI. The document is transformed with the
// stylesheet gel.xsl of the documents folder into an HTML file in the temporary folder, which the
// desktop opens. Nothing here touches the dialog's widgets: the dialog and the headless tool both
// fill the references with plain data.
#pragma once

#include "base/ModuleEnvironment.h"
#include "base/Status.h"
#include "data/Assay.h"
#include "gpc/AssayResults.h"
#include "gpc/PointRowTexts.h"
#include "report/ReportPlatform.h"
#include "report/XMLWrapper.h"

#include <cstdint>
#include <functional>
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
    // The host language whose pages the default stylesheet writes in English; any other gets Russian.
    static constexpr uint16_t kEnglishLanguage = 1033;

    // platform saves the picture and opens the page; environment names the documents folder. Both
    // must outlive the builder.
    ReportBuilder(ReportPlatform& platform, const ModuleEnvironment& environment);

    // Set before each report. calibration gives the results, coefficients, the type and dependence of
    // its last run, the plotted curve and points, the fit's quality and each calculated assay's
    // results; assays the "files" section; pointsList the "calc_table" section.
    const CCalibration* calibration = nullptr;
    const std::vector<Assay>* assays = nullptr;
    const std::vector<PointsListRow>* pointsList = nullptr;
    // The entry of calibration->assayResults whose distribution is pictured; -1, or any index that is
    // not one of its entries, takes the last.
    int32_t distributionSample = -1;

    // The whole report: the document with the picture in a new temporary folder, a new temporary
    // ".html" file, the transformation with gel.xsl of the environment's documents folder, and the page
    // opened unless the process environment sets QUORVEL_NO_OPEN=1.
    // ReportError when a reference is null or the document or its page file cannot be made, and then
    // nothing further is made; ReportFolderMissing when there is no documents folder; the
    // transformation's own failure otherwise. Shows nothing itself.
    Status Build();

    // The same report written to htmlPath, with the pictures beside it (htmlPath with the extension
    // ".png", and with "-distribution.png") and the stylesheet at stylesheetPath; opens nothing. ReportError when a reference is
    // null or the document cannot be built; the transformation's failure otherwise.
    Status WriteReport(const std::string& htmlPath, const std::string& stylesheetPath);

    // Appends the document's sections to its root in order. The calibration picture is saved at
    // picturePath, or as "TempGraph.png" in a new temporary folder when picturePath is empty, and the
    // distribution picture beside it with "-distribution" added to its name; "graph" and
    // "distribution_graph" are written only when their picture was saved. Throws XmlError for a text
    // XML cannot carry or a failing XML library.
    void BuildDocument(XMLWrapper& document, const std::string& picturePath) const;

    // Draws the calibration chart into (0, 0, 1000, 600) of surface: the curve and the points when
    // both exist, else empty axes; the time caption in English for kEnglishLanguage. calibration must
    // be set.
    void RenderChart(Canvas& surface) const;
    // Draws distribution's differential and cumulative curves against lg M into (0, 0, 1000, 600) of
    // surface; empty axes for an empty distribution.
    void RenderDistribution(Canvas& surface, const MolarMassDistribution& distribution) const;

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
    void AddLanguage(XMLWrapper& document) const;
    void AddFitQuality(XMLWrapper& document) const;
    void AddSamples(XMLWrapper& document) const;
    void AddGraph(XMLWrapper& document, const std::string& picturePath) const;
    void AddDistributionGraph(XMLWrapper& document, const std::string& picturePath) const;
    // Saves the picture that draw paints at picturePath and appends element with "header/label",
    // "path" and, when the file can be read back, "data"; null when the picture was not saved.
    xmlNodePtr AddPicture(XMLWrapper& document, const char* element, const char* label, const std::string& picturePath,
                          const std::function<void(Canvas&)>& draw) const;
    const AssayResults* DistributionResults() const;

    ReportPlatform& platform_;
    const ModuleEnvironment& environment_;
};
