// Windows language identifiers and their three-letter abbreviations (1033 ENU, 1049 RUS ...), which
// name the module's translation files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The abbreviation of a language identifier; empty optional for an identifier the table lacks.
std::optional<std::string> LanguageAbbreviation(uint16_t languageId);
