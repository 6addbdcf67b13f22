// Samples table texts through the module's locale-independent number formatter.
#include "gpc/SampleRowTexts.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kAverageDigits = 6;
constexpr int kOutsideDigits = 2;

constexpr size_t Column(SampleColumn column) { return static_cast<size_t>(column); }

void AppendLine(std::string& text, const std::array<std::string, Column(SampleColumn::Count)>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) text += '\t';
        for (const char c : cells[i]) text += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    text += '\n';
}

}  // namespace

std::string ShownFileName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AverageText(double value) {
    if (!std::isfinite(value) || value == 0.0) return FormatFixed(value, 0);
    const int leading = static_cast<int>(std::floor(std::log10(std::abs(value)))) + 1;
    return FormatFixed(value, std::max(0, kAverageDigits - leading));
}

std::array<std::string, 6> AverageTexts(const MolarMassAverages& averages) {
    const double values[] = {averages.Mn, averages.Mw, averages.MwMn, averages.Mz, averages.Mz1, averages.Mp};
    std::array<std::string, 6> texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = AverageText(values[i]);
    return texts;
}

SampleRow SampleRowOf(const Assay& assay, const AssayResults& results) {
    SampleRow row;
    row.assayIndex = results.assayIndex;
    row.texts[Column(SampleColumn::FileName)] = ShownFileName(assay.fileName);
    row.texts[Column(SampleColumn::Sample)] = assay.sample;
    const std::array<std::string, 6> averages = AverageTexts(results.averages);
    std::copy(averages.begin(), averages.end(), row.texts.begin() + Column(SampleColumn::Mn));
    row.texts[Column(SampleColumn::OutsideRange)] = FormatFixed(results.outsideRange, kOutsideDigits);
    row.outsideMarked = results.outsideRange > kOutsideRangeMarked;
    return row;
}

std::string TabSeparatedSamples(const std::array<std::string, static_cast<size_t>(SampleColumn::Count)>& titles,
                                const std::vector<SampleRow>& rows) {
    std::string text;
    AppendLine(text, titles);
    for (const SampleRow& row : rows) AppendLine(text, row.texts);
    return text;
}
