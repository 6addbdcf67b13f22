// Shared pieces of the report tests: a desktop that records pictures and opened pages, a workbench
// calibration prepared by hand, the document as a readable outline, and environment switches that
// are restored at the end of a test.
#pragma once

#include "RecordingCanvas.h"
#include "TempFolder.h"
#include "base/FixedEnvironment.h"
#include "data/Assay.h"
#include "gpc/CCalibration.h"
#include "gpc/PointRowTexts.h"
#include "report/ReportBuilder.h"
#include "report/ReportPlatform.h"
#include "report/XMLWrapper.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Draws each picture on a RecordingCanvas and writes a stand-in file instead of a PNG.
class RecordingPlatform : public ReportPlatform {
public:
    bool SavePicture(int32_t width, int32_t height, const std::function<void(Canvas&)>& draw,
                     const std::string& path) override {
        sizes.push_back({width, height});
        pictures.push_back(path);
        canvas = RecordingCanvas{};
        draw(canvas);
        if (!saves) return false;
        WriteFileBytes(path, "picture");
        return std::filesystem::exists(path);
    }
    void Open(const std::string& path) override { opened.push_back(path); }

    bool saves = true;
    std::vector<TextSize> sizes;
    std::vector<std::string> pictures;  // every path asked for, saved or not
    std::vector<std::string> opened;
    RecordingCanvas canvas;  // the last picture's drawing
};

// An environment that names no documents folder, for reports that never look for the stylesheet.
inline const ModuleEnvironment& NoDocumentsFolder() {
    static const FixedEnvironment none(std::nullopt, std::nullopt);
    return none;
}

// A builder whose three references point at a calibration, assays and points list the test fills,
// with the stylesheet looked for in the environment's documents folder.
struct PreparedReport {
    explicit PreparedReport(const ModuleEnvironment& environment = NoDocumentsFolder())
        : builder{platform, environment} {
        builder.calibration = &calibration;
        builder.assays = &assays;
        builder.pointsList = &rows;
    }
    PreparedReport(const PreparedReport&) = delete;
    PreparedReport& operator=(const PreparedReport&) = delete;

    // The document of the current state, its picture written to picturePath.
    void Compose(XMLWrapper& document, const std::string& picturePath) const {
        document.LoadTemplate();
        builder.BuildDocument(document, picturePath);
    }
    std::vector<std::string> DocumentOutline(const std::string& picturePath) const;

    RecordingPlatform platform;
    CCalibration calibration;
    std::vector<Assay> assays;
    std::vector<PointsListRow> rows;
    ReportBuilder builder;
};

// An environment of an English host that names no documents folder.
inline const ModuleEnvironment& EnglishHost() {
    static const FixedEnvironment english = [] {
        FixedEnvironment environment(std::nullopt, std::nullopt);
        environment.language = ReportBuilder::kEnglishLanguage;
        return environment;
    }();
    return english;
}

// An assay as the workbench lists it.
inline Assay ListedAssay(int32_t included, std::string fileName, std::string method, int64_t date) {
    Assay assay;
    assay.included = included;
    assay.fileName = std::move(fileName);
    assay.method = std::move(method);
    assay.date = date;
    return assay;
}

// A run with two calculated assays, set by hand as the workbench hands it to the report. The line
// Y = 7.966667 - 0.5 T is the least-squares fit of lg M = 3.0, 2.4 (M = 251.19 g/mol) and 2.0 at 10, 11
// and 12 min: residuals 1/30, -1/15, 1/30, so SSres = 1/150 and SStot = 76/150; R^2 = 75/76 = 0.986842
// and the standard error sqrt(SSres / (3 - 1 - 1)) = 0.08165. At 10, 11 and 12 min it gives 926.12,
// 292.86 and 92.61 g/mol: -7.39, 16.59 and -7.39 % off. The second assay has 1.5 % of its area outside
// 10 to 12 min, above the 1 % that marks it.
inline void SetCalculatedRun(PreparedReport& report, const std::string& standards, const std::string& sample) {
    report.assays = {ListedAssay(1, "/data/assays/standards.chr", "GPC THF", 1700000000),
                     ListedAssay(1, "C:\\data\\broad.chr", "GPC THF", 1700003600)};
    report.assays[0].sample = standards;
    report.assays[1].sample = sample;
    report.rows = {PointsListRow{{"1 / PS 1000", "10.00", "1000.00", "", ""}, true, 0, {"926.12", "-7.39"}},
                   PointsListRow{{"1 / PS 250", "11.00", "251.19", "", ""}, true, 1, {"292.86", "16.59"}},
                   PointsListRow{{"1 / PS 100", "12.00", "100.00", "", ""}, true, 2, {"92.61", "-7.39"}}};
    CCalibration& c = report.calibration;
    c.Assays = report.assays;
    c.GradIndex = c.usedGradIndex = CCalibration::kMonodisperse;
    c.FormulaIndex = c.usedFormulaIndex = 0;
    c.results.k0 = 23.9 / 3;
    c.results.k1 = -0.5;
    c.pointX = {10.0, 11.0, 12.0};
    c.pointY = {3.0, 2.4, 2.0};
    c.curveX = {5.0, 14.4};
    c.curveY = {23.9 / 3 - 2.5, 23.9 / 3 - 7.2};
    c.fitQuality = FitQuality{1, 75.0 / 76.0, std::sqrt(1.0 / 150.0)};
    AssayResults first;
    first.assayIndex = 0;
    first.averages = {251.18864, 398.10717, 1.5848932, 501.18723, 630.95734, 316.22777};
    first.distribution = {{2.0, 2.5, 3.0}, {0.0, 2.0, 0.0}, {0.0, 0.5, 1.0}};
    AssayResults second;
    second.assayIndex = 1;
    second.averages = {25228.571, 52111.06, 2.0655, 80000.0, 1.2e5, 45000.49};
    second.outsideRange = 1.5;
    second.distribution = {{3.5, 4.5, 5.5}, {0.0, 1.0, 0.0}, {0.0, 0.5, 1.0}};
    c.assayResults = {first, second};
    c.results.Mn = second.averages.Mn;
}

// Every element below the root in document order: "path" for a plain element, "path:type=text" for
// an element carrying a typed value (type from dt:dt).
inline void OutlineInto(const xmlNode* parent, const std::string& prefix, std::vector<std::string>& lines) {
    for (const xmlNode* node = parent->children; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        const std::string path = prefix + reinterpret_cast<const char*>(node->name);
        xmlChar* type = xmlGetNsProp(node, BAD_CAST "dt", BAD_CAST "urn:schemas-microsoft-com:datatypes");
        if (type) {
            xmlChar* text = xmlNodeGetContent(node);
            lines.push_back(path + ":" + reinterpret_cast<const char*>(type) + "=" +
                            reinterpret_cast<const char*>(text));
            xmlFree(text);
            xmlFree(type);
        } else {
            lines.push_back(path);
        }
        OutlineInto(node, path + "/", lines);
    }
}

inline std::vector<std::string> Outline(const XMLWrapper& document) {
    std::vector<std::string> lines;
    if (document.Document()) OutlineInto(xmlDocGetRootElement(document.Document()), "", lines);
    return lines;
}

// Sets (or with nullopt removes) an environment variable until the end of the scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) previous_ = old;
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(previous_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    std::string name_;
    std::optional<std::string> previous_;
};

inline std::vector<std::string> PreparedReport::DocumentOutline(const std::string& picturePath) const {
    XMLWrapper document;
    Compose(document, picturePath);
    return Outline(document);
}

// The entries of folder whose names start with "zel", sorted.
inline std::vector<std::string> ZelEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("zel", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The stylesheet shipped in docs/.
inline std::string ShippedStylesheet() { return std::string(QUORVEL_DOCS_DIR) + "/gel.xsl"; }
