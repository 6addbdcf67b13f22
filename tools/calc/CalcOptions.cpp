#include "CalcOptions.h"

#include "base/NumberText.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

const char kUsage[] =
    "usage: quorvel-calc --db FILE --docs DIR [--type N] [--dependence N] [--channel N] [--k X]\n"
    "                    [--alpha X] [--standard-k X] [--standard-alpha X] [--broad-mn X]\n"
    "                    [--broad-mw X] [--flags 1,0,...] [--json] [--report FILE.html] [--csv FILE]\n"
    "                    [--language N] ASSAY...\n"
    "\n"
    "Computes what the GPC workbench shows for a set of assays of a host database: the calibration\n"
    "points, the coefficients k0 to k3 and Mn, Mw, Mw/Mn, Mz, Mz+1 and Mp; then, with the final\n"
    "calibration, the averages of every calculated assay, the share of its area outside the times of\n"
    "the used points, and how well the calibration fits its points.\n"
    "\n"
    "  --db FILE        the host database (SQLite, tables [assay] and [peak])\n"
    "  --docs DIR       the documents folder with CompsTableQuorvel.csv (and gel.xsl for --report)\n"
    "  --type N         calibration type: 0 monodisperse (default), 1 polydisperse, 2 universal\n"
    "  --dependence N   0 linear (default), 1 quadratic, 2 cubic\n"
    "  --channel N      channel index of every included assay (default 0; an index some included\n"
    "                   assay lacks falls back to 0)\n"
    "  --k X            Mark-Houwink K of the sample (default 1; above 100 or 0 becomes 1)\n"
    "  --alpha X        Mark-Houwink Alpha of the sample (default 0; above 100 becomes 1)\n"
    "  --standard-k X   Mark-Houwink K of the narrow standards for the universal calibration\n"
    "                   (default: the sample's K; 0 or above 100 leaves it out)\n"
    "  --standard-alpha X\n"
    "                   Mark-Houwink Alpha of the narrow standards (default: the sample's Alpha;\n"
    "                   above 100 leaves it out)\n"
    "  --broad-mn X     Mn of the broad standard (g/mol), the first included calibration run\n"
    "  --broad-mw X     Mw of the broad standard (g/mol); type 1 needs both\n"
    "  --flags 1,0,...  use flags of the calibration points, overriding them entry by entry\n"
    "  --json           print one JSON object instead of text\n"
    "  --report FILE    also write the HTML report made with DIR/gel.xsl, its chart picture beside\n"
    "                   it as FILE with the extension .png; the report is not opened\n"
    "  --csv FILE       also write the samples table (UTF-8, \".\" as the decimal mark): id, sample,\n"
    "                   Mn, Mw, MwMn, Mz, Mz1, Mp, outsideRange (%)\n"
    "  --language N     the host's language identifier (0 to 65535, default 1049 Russian): 1033\n"
    "                   (English) makes the report English\n"
    "  ASSAY            an assay identifier with an optional mark: 12/1 included, 7/0 listed\n"
    "                   but not included, 40 included; unknown identifiers are skipped\n"
    "\n"
    "Exit status: 0 the calculation ran, 2 wrong arguments, 3 the database failed, 4 the calculation\n"
    "cannot run (no assay loaded, or no components file), 5 the report could not be written, 6 the\n"
    "samples table could not be written.\n";

// A whole decimal int32; false for anything else (blanks, signs only, trailing text, overflow).
bool ToInt(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && !text.empty();
}

// A whole finite number with "." as the decimal point; false otherwise.
bool ToDouble(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && !text.empty() && std::isfinite(value);
}

bool ToGiven(const std::string& text, std::optional<double>& value) {
    double number = 0.0;
    if (!ToDouble(text, number)) return false;
    value = number;
    return true;
}

bool ToAssay(const std::string& text, CalcAssay& assay) {
    const std::string::size_type slash = text.find('/');
    if (!ToInt(text.substr(0, slash), assay.id)) return false;
    if (slash == std::string::npos) return true;
    return ToInt(text.substr(slash + 1), assay.included) && (assay.included == 0 || assay.included == 1);
}

bool ToFlags(const std::string& text, std::vector<int32_t>& flags) {
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type comma = text.find(',', start);
        int32_t flag = 0;
        if (!ToInt(text.substr(start, comma - start), flag) || (flag != 0 && flag != 1)) return false;
        flags.push_back(flag);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

CalcOptionsResult Wrong(const std::string& description) { return {false, description, {}}; }

bool IndexInRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// A whole decimal language identifier, which the host gives in 16 bits.
bool ToLanguage(const std::string& text, uint16_t& language) {
    int32_t value = 0;
    if (!ToInt(text, value) || !IndexInRange(value, 0, UINT16_MAX)) return false;
    language = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

const char* CalcUsage() { return kUsage; }

CalcOptionsResult ParseCalcOptions(const std::vector<std::string>& arguments) {
    CalcOptionsResult result{true, {}, {}};
    CalcOptions& o = result.options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            o.help = true;
            return result;
        }
        if (argument == "--json") {
            o.json = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0) {
            CalcAssay assay;
            if (!ToAssay(argument, assay)) return Wrong("not an assay identifier: " + argument);
            o.assays.push_back(assay);
            continue;
        }
        if (i + 1 >= arguments.size()) return Wrong(argument + " needs a value");
        const std::string& value = arguments[++i];
        bool good = true;
        if (argument == "--db")
            o.database = value;
        else if (argument == "--docs")
            o.documents = value;
        else if (argument == "--report")
            o.report = value;
        else if (argument == "--csv")
            o.csv = value;
        else if (argument == "--type")
            good = ToInt(value, o.gradIndex) && IndexInRange(o.gradIndex, -1, 2);
        else if (argument == "--dependence")
            good = ToInt(value, o.formulaIndex) && IndexInRange(o.formulaIndex, -1, 2);
        else if (argument == "--channel")
            good = ToInt(value, o.channelIndex) && o.channelIndex >= 0;
        else if (argument == "--k")
            good = ToDouble(value, o.k);
        else if (argument == "--alpha")
            good = ToDouble(value, o.alpha);
        else if (argument == "--standard-k")
            good = ToGiven(value, o.standardK);
        else if (argument == "--standard-alpha")
            good = ToGiven(value, o.standardAlpha);
        else if (argument == "--broad-mn")
            good = ToGiven(value, o.broadMn);
        else if (argument == "--broad-mw")
            good = ToGiven(value, o.broadMw);
        else if (argument == "--flags")
            good = ToFlags(value, o.flags);
        else if (argument == "--language")
            good = ToLanguage(value, o.language);
        else
            return Wrong("unknown option: " + argument);
        if (!good) return Wrong("bad value for " + argument + ": " + value);
        if (value.empty()) return Wrong(argument + " needs a value");
    }
    if (o.database.empty()) return Wrong("--db is required");
    if (o.documents.empty()) return Wrong("--docs is required");
    if (o.assays.empty()) return Wrong("no assay given");
    return result;
}
