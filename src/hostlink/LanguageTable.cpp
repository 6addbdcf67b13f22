#include "hostlink/LanguageTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct LanguageEntry {
    uint16_t id;
    const char* abbreviation;
};

// Sorted by identifier.
constexpr LanguageEntry kLanguages[] = {
    {1025, "ARA"}, {1026, "BGR"}, {1027, "CAT"}, {1028, "CHT"}, {1029, "CSY"}, {1030, "DAN"}, {1031, "DEU"},
    {1032, "ELL"}, {1033, "ENU"}, {1034, "ESP"}, {1035, "FIN"}, {1036, "FRA"}, {1037, "HEB"}, {1038, "HUN"},
    {1039, "ISL"}, {1040, "ITA"}, {1041, "JPN"}, {1042, "KOR"}, {1043, "NLD"}, {1044, "NOR"}, {1045, "PLK"},
    {1046, "PTB"}, {1048, "ROM"}, {1049, "RUS"}, {1050, "HRV"}, {1051, "SKY"}, {1053, "SVE"}, {1054, "THA"},
    {1055, "TRK"}, {1057, "IND"}, {1058, "UKR"}, {1059, "BEL"}, {1060, "SLV"}, {1061, "ETI"}, {1062, "LVI"},
    {1063, "LTH"}, {1066, "VIT"}, {1067, "HYE"}, {1068, "AZE"}, {1079, "KAT"}, {1087, "KKZ"}, {1088, "KYR"},
    {1091, "UZB"}, {2052, "CHS"}, {2057, "ENG"}, {2070, "PTG"}, {3082, "ESN"}, {3084, "FRC"}, {4105, "ENC"},
};

}  // namespace

std::optional<std::string> LanguageAbbreviation(uint16_t languageId) {
    const auto found = std::lower_bound(std::begin(kLanguages), std::end(kLanguages), languageId,
                                        [](const LanguageEntry& entry, uint16_t id) { return entry.id < id; });
    if (found == std::end(kLanguages) || found->id != languageId) return std::nullopt;
    return std::string(found->abbreviation);
}
