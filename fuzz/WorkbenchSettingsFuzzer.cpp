// libFuzzer target: any bytes as the workbench's stored values, one line per key in the order of
// kStandards, kPointFlagsKey, kInts and kDoubles; keys past the input's last line are not stored. The
// texts are stored as they are, the numbers as the host keeps them: the line read with the C library's
// strtol (clamped to 32 bits) or strtod. Read by the workbench's settings reader, a value not stored or
// not a number is not given, a given one is what the text says, the point flags are the text's "0" and
// "1" or none, and the values read, stored again, read back the same.
#include "FuzzChecks.h"
#include "ProfileHost.h"

#include "base/Utf16.h"
#include "hostlink/Profile.h"
#include "workbench/WorkbenchSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The standards' values and the point flags, stored as texts.
constexpr std::pair<const char*, std::optional<double> CalibrationStandards::*> kStandards[] = {
    {"StandardK", &CalibrationStandards::K},
    {"StandardAlpha", &CalibrationStandards::Alpha},
    {"BroadMn", &CalibrationStandards::broadMn},
    {"BroadMw", &CalibrationStandards::broadMw},
};
constexpr const char* kPointFlagsKey = "PointFlags";
constexpr size_t kTextsCount = std::size(kStandards) + 1;
// The calibration type, dependence and channel, stored as ints; K and Alpha, stored as doubles.
constexpr const char* kInts[] = {"ComboGrad_CurSel", "ComboFormula_CurSel", "ComboChannel_CurSel"};
constexpr const char* kDoubles[] = {"K", "Alpha"};
// A profile text the host hands back holds at most this many characters.
constexpr size_t kProfileTextLimit = 127;
// Point flags in a text of more than this many characters are not restored.
constexpr size_t kPointFlagsLimit = 120;

struct Profiled {
    ProfileHost host;
    HostLink link{host.Api()};
    Profile profile{link, kModuleProfileBasePath};
};

std::u16string Name(const Profiled& p, const char* key) { return ToUtf16(p.profile.ParameterName("", key)); }

// Stores each line under the next key; returns how many keys were stored.
size_t Store(Profiled& p, std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty() && lines.size() < kTextsCount + std::size(kInts) + std::size(kDoubles)) {
        const std::string_view::size_type newline = bytes.find('\n');
        lines.emplace_back(bytes.substr(0, newline));
        bytes = newline == std::string_view::npos ? std::string_view() : bytes.substr(newline + 1);
    }
    size_t n = 0;
    for (const auto& standard : kStandards)
        if (n < lines.size()) p.host.strings[Name(p, standard.first)] = ToUtf16(lines[n++]);
    if (n < lines.size()) p.host.strings[Name(p, kPointFlagsKey)] = ToUtf16(lines[n++]);
    for (const char* key : kInts)
        if (n < lines.size()) p.host.ints[Name(p, key)] = ClampedStrtol(lines[n++]);
    for (const char* key : kDoubles)
        if (n < lines.size()) p.host.doubles[Name(p, key)] = std::strtod(lines[n++].c_str(), nullptr);
    return lines.size();
}

// The text the workbench reads for a key, as its profile hands it over; none when not stored.
std::optional<std::string> StoredText(const Profiled& p, const char* key) {
    if (!p.host.strings.count(Name(p, key))) return std::nullopt;
    const std::string text = p.profile.GetString("", key, "");
    Require(ToUtf16(text).size() <= kProfileTextLimit, "a profile text holds at most 127 characters");
    return text;
}

// A decimal number without exponent: an optional "-", digits with at most one ".", at least one digit.
bool PlainDecimal(const std::string& text) {
    const std::string digits = text.starts_with('-') ? text.substr(1) : text;
    return digits.find_first_of("0123456789") != std::string::npos &&
           digits.find_first_not_of("0123456789.") == std::string::npos && digits.find('.') == digits.rfind('.');
}

// A given value is finite and is what the C library reads from the whole text; a short plain decimal
// is always given; a value not stored is not given.
void RequireStandard(const std::optional<std::string>& text, const std::optional<double>& value) {
    if (!text) {
        Require(!value, "a value not stored is not given");
        return;
    }
    if (value) {
        char* end = nullptr;
        const double read = std::strtod(text->c_str(), &end);
        Require(std::isfinite(*value), "a given value is finite");
        Require(end != text->c_str() && *end == '\0' && read == *value, "a given value is what its text says");
    }
    if (PlainDecimal(*text) && text->size() <= 20) Require(value.has_value(), "a plain decimal is given");
}

// The flags are the text's characters when it holds only "0" and "1" and not too many; none otherwise.
void RequirePointFlags(const std::optional<std::string>& text, const std::vector<int32_t>& flags) {
    const std::string stored = text.value_or("");
    if (stored.size() > kPointFlagsLimit || stored.find_first_not_of("01") != std::string::npos) {
        Require(flags.empty(), "a damaged flags text gives no flags");
        return;
    }
    Require(flags.size() == stored.size(), "one flag per character");
    for (size_t i = 0; i < flags.size(); ++i) Require(flags[i] == (stored[i] == '1' ? 1 : 0), "each flag as stored");
}

// Numbers compared bit for bit, so that a stored NaN reads back as itself.
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void RequireSameValues(const WorkbenchState& a, const WorkbenchState& b) {
    Require(a.GradIndex == b.GradIndex && a.FormulaIndex == b.FormulaIndex && a.ChannelIndex == b.ChannelIndex,
            "the indexes read back");
    Require(SameBits(a.K, b.K) && SameBits(a.Alpha, b.Alpha), "K and Alpha read back");
    for (const auto& [key, value] : kStandards)
        Require(a.Standards.*value == b.Standards.*value, "the standards' values read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Profiled p;
    const size_t stored = Store(p, std::string_view(reinterpret_cast<const char*>(data), size));

    WorkbenchState state;
    RestoreWorkbenchValues(p.profile, state);
    state.PointFlags = RestorePointFlags(p.profile);
    for (const auto& [key, value] : kStandards) RequireStandard(StoredText(p, key), state.Standards.*value);
    RequirePointFlags(StoredText(p, kPointFlagsKey), state.PointFlags);
    // The indexes and K and Alpha not stored take their defaults.
    const size_t numbersStored = stored > kTextsCount ? stored - kTextsCount : 0;
    if (numbersStored < 1) Require(state.GradIndex == 404, "the type not stored reads as 404");
    if (numbersStored < 2) Require(state.FormulaIndex == 404, "the dependence not stored reads as 404");
    if (numbersStored < 3) Require(state.ChannelIndex == 0, "the channel not stored reads as 0");
    if (numbersStored < 4) Require(state.K == 1.0, "K not stored reads as 1");
    if (numbersStored < 5) Require(state.Alpha == 0.0, "Alpha not stored reads as 0");

    SaveWorkbenchValues(p.profile, {}, state);
    WorkbenchState again;
    RestoreWorkbenchValues(p.profile, again);
    RequireSameValues(state, again);
    Require(RestorePointFlags(p.profile) == state.PointFlags, "the point flags read back");
    return 0;
}
