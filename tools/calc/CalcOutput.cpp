#include "CalcOutput.h"

#include "CalcSamplesTable.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// The shortest text that reads back as the same double; a quoted word for a non-finite value.
std::string JsonNumber(double value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    return FormatShortest(value);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

template <typename T, typename Write>
std::string JsonArray(const std::vector<T>& values, Write write) {
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + write(values[i]);
    return out + "]";
}

std::string JsonPairs(const std::vector<double>& x, const std::vector<double>& y) {
    return "{\"x\":" + JsonArray(x, JsonNumber) + ",\"y\":" + JsonArray(y, JsonNumber) + "}";
}

std::string JsonOptional(const std::optional<double>& value) { return value ? JsonNumber(*value) : "null"; }

struct NamedResult {
    const char* textName;
    const char* jsonName;
    double value;
};

std::vector<NamedResult> Results(const MolarMassAverages& s) {
    return {{"Mn", "Mn", s.Mn}, {"Mw", "Mw", s.Mw},     {"Mw/Mn", "MwMn", s.MwMn},
            {"Mz", "Mz", s.Mz}, {"Mz+1", "Mz1", s.Mz1}, {"Mp", "Mp", s.Mp}};
}

MolarMassAverages AveragesOf(const CalibrationResults& s) { return {s.Mn, s.Mw, s.MwMn, s.Mz, s.Mz1, s.Mp}; }

// "Mn":...,"Mw":... without braces.
std::string JsonFields(const std::vector<NamedResult>& results) {
    std::string out;
    for (const NamedResult& result : results)
        out += std::string(out.empty() ? "" : ",") + "\"" + result.jsonName + "\":" + JsonNumber(result.value);
    return out;
}

std::vector<double> Coefficients(const CalibrationResults& s) { return {s.k0, s.k1, s.k2, s.k3}; }

std::string JsonSample(const CalcSample& sample) {
    const MolarMassDistribution& d = sample.results->distribution;
    return "{\"id\":" + std::to_string(sample.assay->id) + ",\"sample\":" + JsonString(sample.assay->sample) +
           ",\"isCalibration\":" + (sample.assay->isCalibration ? "true" : "false") + "," +
           JsonFields(Results(sample.results->averages)) +
           ",\"outsideRange\":" + JsonNumber(sample.results->outsideRange) +
           ",\"mwd\":{\"lgM\":" + JsonArray(d.lgM, JsonNumber) + ",\"w\":" + JsonArray(d.w, JsonNumber) +
           ",\"cumulative\":" + JsonArray(d.cumulative, JsonNumber) + "}}";
}

std::string JsonFit(const FitQuality& fit) {
    return "{\"degree\":" + std::to_string(fit.degree) + ",\"r2\":" + JsonOptional(fit.r2) +
           ",\"stdError\":" + JsonOptional(fit.stdError) + "}";
}

std::string TextOptional(const std::optional<double>& value) { return value ? FormatGeneral(*value, 15) : "undefined"; }

// The samples table and the fit's quality, after everything the text showed before them.
void WriteSamplesAndFit(std::ostream& out, const CalcOutcome& outcome) {
    out << "samples: id  sample  Mn  Mw  Mw/Mn  Mz  Mz+1  Mp  outside range %\n";
    for (const CalcSample& sample : CalcSamples(outcome)) {
        out << "  " << sample.assay->id << "  " << sample.assay->sample;
        for (const NamedResult& result : Results(sample.results->averages))
            out << "  " << FormatGeneral(result.value, 15);
        out << "  " << FormatGeneral(sample.results->outsideRange, 15) << "\n";
    }
    const FitQuality& fit = outcome.calibration->fitQuality;
    out << "fit degree = " << fit.degree << "\n";
    out << "fit R^2 = " << TextOptional(fit.r2) << "\n";
    out << "fit standard error = " << TextOptional(fit.stdError) << "\n";
}

}  // namespace

void WriteCalcText(std::ostream& out, const CalcOutcome& outcome) {
    const WorkbenchState& s = outcome.state;
    out << "assays:\n";
    for (const Assay& assay : s.Assays)
        out << "  [" << (assay.included ? 'x' : ' ') << "] " << assay.id << "  " << assay.sample << "  ("
            << assay.method << ", " << assay.channels.size() << " channels)\n";
    out << "points:\n";
    for (const PointsListRow& row : outcome.pass.rows) {
        out << "  [" << (row.used ? 'x' : ' ') << "]";
        for (const std::string& text : row.texts)
            if (!text.empty()) out << "  " << text;
        out << "\n";
    }
    const std::vector<double> k = Coefficients(s.results);
    for (size_t i = 0; i < k.size(); ++i) out << "k" << i << " = " << FormatGeneral(k[i], 15) << "\n";
    for (const NamedResult& result : Results(AveragesOf(s.results)))
        out << result.textName << " = " << FormatGeneral(result.value, 15) << "\n";
    for (const std::string& message : outcome.messages->texts) out << "message: " << message << "\n";
    WriteSamplesAndFit(out, outcome);
}

void WriteCalcJson(std::ostream& out, const CalcOutcome& outcome) {
    const WorkbenchState& s = outcome.state;
    const std::string assays = JsonArray(s.Assays, [](const Assay& a) {
        return "{\"id\":" + std::to_string(a.id) + ",\"included\":" + (a.included ? "true" : "false") +
               ",\"sample\":" + JsonString(a.sample) + ",\"method\":" + JsonString(a.method) +
               ",\"channels\":" + std::to_string(a.channels.size()) + "}";
    });
    const std::vector<CalibrationPoint>& calPoints = outcome.calibration->calPoints;
    const std::string points = JsonArray(outcome.pass.rows, [&calPoints](const PointsListRow& row) {
        const std::vector<std::string> texts(row.texts.begin(), row.texts.end());
        const CalibrationPoint& point = calPoints[row.point];
        return "{\"row\":" + JsonArray(texts, JsonString) + ",\"used\":" + (row.used ? "true" : "false") +
               ",\"fitMolarMass\":" + JsonOptional(point.curveMolarMass) +
               ",\"deviation\":" + JsonOptional(point.deviation) + "}";
    });
    const std::string results = "{" + JsonFields(Results(AveragesOf(s.results))) + "}";
    const ChartData chart = outcome.pass.chart.value_or(ChartData{});
    out << "{\"assays\":" << assays << ",\"points\":" << points
        << ",\"k\":" << JsonArray(Coefficients(s.results), JsonNumber) << ",\"results\":" << results
        << ",\"curve\":" << JsonPairs(chart.curveX, chart.curveY)
        << ",\"plotted\":" << JsonPairs(chart.pointX, chart.pointY)
        << ",\"messages\":" << JsonArray(outcome.messages->texts, JsonString)
        << ",\"samples\":" << JsonArray(CalcSamples(outcome), JsonSample)
        << ",\"fit\":" << JsonFit(outcome.calibration->fitQuality) << "}\n";
}
