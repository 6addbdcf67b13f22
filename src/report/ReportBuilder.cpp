// The report's sections, its temporary files and the hand-over to the transformation and the desktop.
#include "report/ReportBuilder.h"

#include "base/NumberText.h"
#include "chart/CalibrationChart.h"
#include "chart/DistributionChart.h"
#include "data/AssayDateText.h"
#include "gpc/CCalibration.h"
#include "gpc/CalibrationNames.h"
#include "gpc/CoefficientTexts.h"
#include "gpc/SampleRowTexts.h"
#include "report/PictureDataUri.h"
#include "report/TemporaryFiles.h"
#include "report/XsltTransform.h"

#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The pictures' headings, as the document carries them whatever the language of the page.
constexpr const char* kCalibrationGraphLabel = "График";
constexpr const char* kDistributionGraphLabel = "Молекулярно-массовое распределение";
// The calibration picture's time caption on an English page.
constexpr const char* kEnglishTimeCaption = "Time [min]";

// The element of each column of a "samples" row, in the order of SampleColumn.
constexpr std::array<const char*, static_cast<size_t>(SampleColumn::Count)> kSampleElements{
    "file", "sample", "Mn", "Mw", "MwMn", "Mz", "Mz1", "Mp", "outside_range"};

std::string YesNo(bool yes) { return yes ? "Да" : "Нет"; }

// The report leaves the polydisperse type unnamed.
std::string GradText(int32_t gradIndex) {
    const bool named = gradIndex == CCalibration::kMonodisperse || gradIndex == CCalibration::kUniversal;
    return named ? kCalibrationTypeNames[gradIndex] : "";
}

std::string DependenceText(int32_t formulaIndex) {
    const bool known = formulaIndex >= 0 && static_cast<size_t>(formulaIndex) < kDependenceNames.size();
    return known ? kDependenceNames[formulaIndex] : "";
}

// Percent-encodes what a URL path cannot hold as it is ('#', '%', '?', spaces, non-ASCII bytes), so
// that an unusual temporary folder still gives a working file URL.
std::string FileUrl(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || std::string_view("-._~/").find(c) != std::string_view::npos;
        if (plain) {
            url += c;
        } else {
            url += '%';
            url += hex[byte >> 4];
            url += hex[byte & 0x0F];
        }
    }
    return url;
}

void AddNumbers(XMLWrapper& document, std::initializer_list<std::pair<const char*, double>> numbers) {
    for (const auto& [name, value] : numbers) document.AddText(nullptr, name, FormatFixed(value, 4));
}

// k0 to k3 as the workbench shows them, so that M recomputed from the page is the module's.
void AddCoefficients(XMLWrapper& document, const CalibrationResults& results) {
    const std::array<std::string, 4> texts = CoefficientTexts(results);
    for (size_t i = 0; i < texts.size(); ++i) document.AddText(nullptr, "k" + std::to_string(i), texts[i]);
}

// The picture beside an HTML file: the same name with ".png", as an absolute path for its file URL.
std::string PictureBeside(const std::string& htmlPath) {
    const std::filesystem::path html = std::filesystem::absolute(htmlPath);
    std::filesystem::path picture = html;
    picture.replace_extension(".png");
    if (picture == html) picture += ".png";
    return picture.string();
}

// The distribution picture beside the calibration picture: "-distribution" added to its name.
std::string DistributionPictureBeside(const std::string& picturePath) {
    std::filesystem::path picture = picturePath;
    picture.replace_filename(picture.stem().string() + "-distribution" + picture.extension().string());
    return picture.string();
}

// A new temporary folder's "TempGraph.png"; "" when no folder can be made.
std::string TemporaryPicture() {
    const std::string folder = CreateTemporaryEntry(".cat", TemporaryKind::Folder);
    return folder.empty() ? folder : folder + "/TempGraph.png";
}

// The calibration's copy of the assay that results belong to; null for an index outside its assays.
const Assay* AssayOf(const CCalibration& calibration, const AssayResults& results) {
    const bool listed = results.assayIndex >= 0 && static_cast<size_t>(results.assayIndex) < calibration.Assays.size();
    return listed ? &calibration.Assays[results.assayIndex] : nullptr;
}

void DrawPicture(CAutoPanel& panel, Canvas& surface) {
    surface.SetTransparentBackground();
    panel.Draw(surface, ChartRect{0, 0, ReportBuilder::kPictureWidth, ReportBuilder::kPictureHeight}, false);
}

bool OpeningTurnedOff() {
    const char* value = std::getenv("QUORVEL_NO_OPEN");
    return value && std::string(value) == "1";
}

}  // namespace

bool IsToldToUser(const Status& outcome) { return !outcome && outcome.message.id == MessageId::ReportError; }

ReportBuilder::ReportBuilder(ReportPlatform& platform, const ModuleEnvironment& environment)
    : platform_(platform), environment_(environment) {}

Status ReportBuilder::Build() {
    XMLWrapper document;
    if (Status composed = Compose(document, {}); !composed) return composed;
    const std::string reportPath = CreateTemporaryEntry(".html", TemporaryKind::File);
    if (reportPath.empty())
        return Status::Failed(MessageId::ReportError, "no file can be created in the temporary folder");
    const std::optional<std::string> folder = environment_.DocumentsFolder();
    if (!folder) return Status::Failed(MessageId::ReportFolderMissing);
    return TransformAndOpen(document, *folder + "/gel.xsl", reportPath, !OpeningTurnedOff());
}

Status ReportBuilder::WriteReport(const std::string& htmlPath, const std::string& stylesheetPath) {
    XMLWrapper document;
    if (Status composed = Compose(document, PictureBeside(htmlPath)); !composed) return composed;
    return TransformAndOpen(document, stylesheetPath, htmlPath, false);
}

bool ReportBuilder::HasReferences() const { return calibration && assays && pointsList; }

Status ReportBuilder::Compose(XMLWrapper& document, const std::string& picturePath) const {
    if (!HasReferences()) return Status::Failed(MessageId::ReportError, "nothing to report on");
    try {
        document.LoadTemplate();  // a rejected template surfaces as the first element that cannot be added
        BuildDocument(document, picturePath);
        return Status::Ok();
    } catch (const std::exception& error) {
        return Status::Failed(MessageId::ReportError, error.what());
    }
}

void ReportBuilder::BuildDocument(XMLWrapper& document, const std::string& picturePath) const {
    AddFiles(document);
    document.AddText(nullptr, "grad_string", GradText(calibration->usedGradIndex));
    document.AddText(nullptr, "dependence_string", DependenceText(calibration->usedFormulaIndex));
    AddCalcTable(document);
    const CalibrationResults& c = calibration->results;
    AddCoefficients(document, c);
    const std::string picture = picturePath.empty() ? TemporaryPicture() : picturePath;
    AddGraph(document, picture);
    AddNumbers(document, {{"Mn", c.Mn}, {"Mw", c.Mw}, {"MwMn", c.MwMn}, {"Mz", c.Mz}, {"Mz1", c.Mz1}, {"Mp", c.Mp}});
    AddLanguage(document);
    AddFitQuality(document);
    AddSamples(document);
    AddDistributionGraph(document, picture);
}

void ReportBuilder::AddFiles(XMLWrapper& document) const {
    if (assays->empty()) return;
    xmlNodePtr files = document.AddElement(nullptr, "files");
    int32_t position = 1;
    for (const Assay& assay : *assays) {
        xmlNodePtr row = document.AddElement(files, "fill_data");
        document.AddInteger(row, "name", position++);
        document.AddText(row, "name", YesNo(assay.included != 0));
        document.AddText(row, "name", assay.fileName);
        document.AddText(row, "name", assay.method);
        document.AddText(row, "analyse_time", AssayDateText(assay.date));
        document.AddText(row, "sample", assay.sample);
    }
}

void ReportBuilder::AddCalcTable(XMLWrapper& document) const {
    xmlNodePtr table = document.AddElement(nullptr, "calc_table");
    int32_t number = 1;
    for (const PointsListRow& point : *pointsList) {
        xmlNodePtr row = document.AddElement(table, "fill_data");
        document.AddInteger(row, "name", number++);
        document.AddText(row, "name", YesNo(point.used));
        for (const std::string& text : point.texts) document.AddText(row, "name", text);
        document.AddText(row, "fit_molar_mass", point.fitTexts[0]);
        document.AddText(row, "deviation", point.fitTexts[1]);
    }
}

void ReportBuilder::AddLanguage(XMLWrapper& document) const {
    document.AddInteger(nullptr, "language", environment_.Language());
}

void ReportBuilder::AddFitQuality(XMLWrapper& document) const {
    xmlNodePtr fit = document.AddElement(nullptr, "fit");
    document.AddInteger(fit, "degree", calibration->fitQuality.degree);
    const std::array<std::string, 2> texts = FitQualityTexts(calibration->fitQuality);
    document.AddText(fit, "r2", texts[0]);
    document.AddText(fit, "std_error", texts[1]);
}

void ReportBuilder::AddSamples(XMLWrapper& document) const {
    xmlNodePtr table = document.AddElement(nullptr, "samples");
    for (const AssayResults& results : calibration->assayResults) {
        const Assay* assay = AssayOf(*calibration, results);
        if (!assay) continue;
        const SampleRow sample = SampleRowOf(*assay, results);
        xmlNodePtr row = document.AddElement(table, "fill_data");
        document.AddInteger(row, "assay", results.assayIndex + 1);
        for (size_t i = 0; i < kSampleElements.size(); ++i) document.AddText(row, kSampleElements[i], sample.texts[i]);
        document.AddText(row, "outside_marked", YesNo(sample.outsideMarked));
    }
}

void ReportBuilder::AddGraph(XMLWrapper& document, const std::string& picturePath) const {
    if (picturePath.empty()) return;
    const auto draw = [this](Canvas& surface) { RenderChart(surface); };
    AddPicture(document, "graph", kCalibrationGraphLabel, picturePath, draw);
}

const AssayResults* ReportBuilder::DistributionResults() const {
    const std::vector<AssayResults>& all = calibration->assayResults;
    if (all.empty()) return nullptr;
    const bool listed = distributionSample >= 0 && static_cast<size_t>(distributionSample) < all.size();
    return &all[listed ? static_cast<size_t>(distributionSample) : all.size() - 1];
}

void ReportBuilder::AddDistributionGraph(XMLWrapper& document, const std::string& picturePath) const {
    const AssayResults* results = DistributionResults();
    const Assay* assay = results ? AssayOf(*calibration, *results) : nullptr;
    if (!assay || picturePath.empty()) return;
    const auto draw = [this, results](Canvas& surface) { RenderDistribution(surface, results->distribution); };
    xmlNodePtr graph = AddPicture(document, "distribution_graph", kDistributionGraphLabel,
                                  DistributionPictureBeside(picturePath), draw);
    if (!graph) return;
    document.AddInteger(graph, "assay", results->assayIndex + 1);
    document.AddText(graph, "file", ShownFileName(assay->fileName));
    document.AddText(graph, "sample", assay->sample);
}

xmlNodePtr ReportBuilder::AddPicture(XMLWrapper& document, const char* element, const char* label,
                                     const std::string& picturePath, const std::function<void(Canvas&)>& draw) const {
    if (!platform_.SavePicture(kPictureWidth, kPictureHeight, draw, picturePath)) return nullptr;
    xmlNodePtr graph = document.AddElement(nullptr, element);
    xmlNodePtr header = document.AddElement(graph, "header");
    document.AddText(header, "label", label);
    document.AddText(graph, "path", FileUrl(picturePath));
    if (const std::string uri = PngDataUri(picturePath); !uri.empty()) document.AddText(graph, "data_uri", uri);
    return graph;
}

void ReportBuilder::RenderChart(Canvas& surface) const {
    CAutoPanel panel;
    const bool universal = calibration->GradIndex == CCalibration::kUniversal;
    const bool english = environment_.Language() == kEnglishLanguage;
    SetUpCalibrationChart(panel, english ? kEnglishTimeCaption : kReportTimeCaption,
                          universal ? kUniversalMolarMassCaption : kMolarMassCaption);
    if (!calibration->curveX.empty() && !calibration->pointX.empty()) {
        ShowCalibration(panel, calibration->curveX, calibration->curveY, calibration->pointX, calibration->pointY);
    }
    DrawPicture(panel, surface);
}

void ReportBuilder::RenderDistribution(Canvas& surface, const MolarMassDistribution& distribution) const {
    CAutoPanel panel;
    SetUpDistributionChart(panel, kDistributionXCaption, kDistributionYCaption);
    ShowDistribution(panel, distribution.lgM, distribution.w, distribution.cumulative);
    DrawPicture(panel, surface);
}

Status ReportBuilder::TransformAndOpen(const XMLWrapper& document, const std::string& stylesheetPath,
                                       const std::string& outputPath, bool open) {
    try {
        if (Status transformed = TransformToFile(document.Document(), stylesheetPath, outputPath); !transformed)
            return transformed;
    } catch (const std::exception& error) {
        return Status::Failed(MessageId::TransformFailed, error.what());  // out of memory reading or writing
    }
    if (open) platform_.Open(outputPath);
    return Status::Ok();
}
