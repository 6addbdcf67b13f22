// libFuzzer target: any bytes as the command line of quorvel-calc, split into arguments at zero bytes.
// Parsing must end in options within their ranges or in a description of the wrong argument; options
// that parse, written back as arguments, must parse to the very same options.
#include "FuzzChecks.h"

#include "CalcOptions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> Arguments(std::string_view bytes) {
    std::vector<std::string> arguments;
    while (true) {
        const std::string_view::size_type zero = bytes.find('\0');
        arguments.emplace_back(bytes.substr(0, zero));
        if (zero == std::string_view::npos) return arguments;
        bytes.remove_prefix(zero + 1);
    }
}

// The shortest text that reads back as exactly this number.
std::string NumberText(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::vector<std::string> WrittenBack(const CalcOptions& o) {
    std::vector<std::string> arguments = {"--db",         o.database,
                                          "--docs",       o.documents,
                                          "--type",       std::to_string(o.gradIndex),
                                          "--dependence", std::to_string(o.formulaIndex),
                                          "--channel",    std::to_string(o.channelIndex),
                                          "--k",          NumberText(o.k),
                                          "--alpha",      NumberText(o.alpha),
                                          "--language",   std::to_string(o.language)};
    const std::pair<const char*, std::optional<double>> standards[] = {{"--standard-k", o.standardK},
                                                                       {"--standard-alpha", o.standardAlpha},
                                                                       {"--broad-mn", o.broadMn},
                                                                       {"--broad-mw", o.broadMw}};
    for (const auto& [option, value] : standards)
        if (value) arguments.insert(arguments.end(), {option, NumberText(*value)});
    if (!o.flags.empty()) {
        std::string flags;
        for (int32_t flag : o.flags) flags += (flags.empty() ? "" : ",") + std::to_string(flag);
        arguments.insert(arguments.end(), {"--flags", flags});
    }
    if (o.json) arguments.push_back("--json");
    if (!o.report.empty()) arguments.insert(arguments.end(), {"--report", o.report});
    if (!o.csv.empty()) arguments.insert(arguments.end(), {"--csv", o.csv});
    for (const CalcAssay& assay : o.assays)
        arguments.push_back(std::to_string(assay.id) + "/" + std::to_string(assay.included));
    return arguments;
}

bool ZeroOrOne(int32_t value) { return value == 0 || value == 1; }

void RequireInRange(const CalcOptions& o) {
    Require(!o.database.empty() && !o.documents.empty(), "database and documents are named");
    Require(!o.assays.empty(), "at least one assay");
    Require(o.gradIndex >= -1 && o.gradIndex <= 2, "calibration type in range");
    Require(o.formulaIndex >= -1 && o.formulaIndex <= 2, "dependence in range");
    Require(o.channelIndex >= 0, "channel not negative");
    Require(std::isfinite(o.k) && std::isfinite(o.alpha), "K and Alpha finite");
    for (const std::optional<double>& value : {o.standardK, o.standardAlpha, o.broadMn, o.broadMw})
        Require(!value || std::isfinite(*value), "the standards' values finite when given");
    for (int32_t flag : o.flags) Require(ZeroOrOne(flag), "flags are 0 or 1");
    for (const CalcAssay& assay : o.assays) Require(ZeroOrOne(assay.included), "marks are 0 or 1");
}

bool SameAssays(const std::vector<CalcAssay>& a, const std::vector<CalcAssay>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id || a[i].included != b[i].included) return false;
    return true;
}

bool Same(const CalcOptions& a, const CalcOptions& b) {
    return a.database == b.database && a.documents == b.documents && a.gradIndex == b.gradIndex &&
           a.formulaIndex == b.formulaIndex && a.channelIndex == b.channelIndex && a.k == b.k && a.alpha == b.alpha &&
           a.standardK == b.standardK && a.standardAlpha == b.standardAlpha && a.broadMn == b.broadMn &&
           a.broadMw == b.broadMw && a.flags == b.flags && a.json == b.json && a.report == b.report && a.csv == b.csv &&
           a.language == b.language && a.help == b.help && SameAssays(a.assays, b.assays);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CalcOptionsResult result = ParseCalcOptions(Arguments(bytes));
    if (!result.ok) {
        Require(!result.description.empty(), "a wrong command line is described");
        return 0;
    }
    if (result.options.help) return 0;
    RequireInRange(result.options);
    const CalcOptionsResult again = ParseCalcOptions(WrittenBack(result.options));
    Require(again.ok && Same(again.options, result.options), "options written back parse the same");
    return 0;
}
