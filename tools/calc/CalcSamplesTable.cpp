#include "CalcSamplesTable.h"

#include "base/NumberText.h"
#include "data/ReplacingFile.h"

#include <cstdio>
#include <cstring>

namespace {

std::string CsvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvLine(const CalcSample& sample) {
    const MolarMassAverages& a = sample.results->averages;
    std::string line = std::to_string(sample.assay->id) + "," + CsvText(sample.assay->sample);
    for (const double value : {a.Mn, a.Mw, a.MwMn, a.Mz, a.Mz1, a.Mp, sample.results->outsideRange})
        line += "," + FormatShortest(value);
    return line + "\n";
}

}  // namespace

std::vector<CalcSample> CalcSamples(const CalcOutcome& outcome) {
    std::vector<CalcSample> samples;
    for (const AssayResults& results : outcome.calibration->assayResults)
        samples.push_back({&outcome.calibration->Assays[results.assayIndex], &results});
    return samples;
}

bool WriteCalcCsv(const CalcOutcome& outcome, const std::string& path, std::string& error) {
    std::string text = "id,sample,Mn,Mw,MwMn,Mz,Mz1,Mp,outsideRange\n";
    for (const CalcSample& sample : CalcSamples(outcome)) text += CsvLine(sample);
    ReplacingFile file(path);
    // A short write leaves the stream's error set, which Commit reports.
    if (file.Stream() != nullptr) std::fwrite(text.data(), 1, text.size(), file.Stream());
    if (file.Commit()) return true;
    error = std::strerror(file.FailedError());
    return false;
}
