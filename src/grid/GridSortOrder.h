// How a grid list orders two cell texts when its parent asks for a sort by a column: as numbers,
// as dates written day.month.year with an optional time of day, or as text ignoring letter case.
// Texts are UTF-8.
#pragma once

#include <optional>
#include <string_view>

// The answers a grid parent gives to a sort request; every other non-zero answer means text.
inline constexpr int kGridSortNone = 0;
inline constexpr int kGridSortNumeric = 2;
inline constexpr int kGridSortDate = 3;

// Reads "d.m.yy", "d.m.yyyy" (separator ".", "/" or "-"), optionally followed by blanks and "h:mm"
// or "h:mm:ss", blanks around allowed. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// Returns days since 1899-12-30 00:00 with the time of day as the fraction, counted on one straight
// line also before that day; empty when the text is no valid date.
std::optional<double> ParseGridDate(std::string_view text);

// Negative when first goes before second in ascending order, positive when after, 0 for a tie.
// Numeric: the leading number of each text (0 when none), NaN after every number. Date: by
// ParseGridDate, texts that are no date before every date. Any other kind: Unicode text ignoring case.
int CompareGridCells(int sortKind, std::string_view first, std::string_view second);
