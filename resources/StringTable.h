// The module's string table: identifiers 103 to 109 with their Russian texts. Translations are
// looked up under the context kStringTableContext with the Russian text as the source.
#pragma once

inline constexpr const char* kStringTableContext = "StringTable";

// The entries the module uses.
inline constexpr int kMenuPathString = 103;  // the host menu path of the workbench command
inline constexpr int kAddAssaysTip = 104;  // the tool tips of the workbench's icon buttons
inline constexpr int kDeleteAssayTip = 105;
inline constexpr int kDeleteAllAssaysTip = 106;
inline constexpr int kOpenAssayTip = 107;
inline constexpr int kReportTip = 108;

// The Russian text of a string table entry; null for an identifier the table lacks.
const char* StringTableText(int id);
