// The module's string table: identifiers 103 to 109 with their Russian texts. Translations are
// looked up under the context kStringTableContext with the Russian text as the source.
#pragma once

inline constexpr const char* kStringTableContext = "StringTable";

// The Russian text of a string table entry; null for an identifier the table lacks.
const char* StringTableText(int id);
