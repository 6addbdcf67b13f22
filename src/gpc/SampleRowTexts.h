// Texts of the samples table (each calculated assay's results), shared by the workbench's results list,
// the printed report and the headless tool. Numbers are formatted with '.' whatever the process locale.
#pragma once

#include "data/Assay.h"
#include "gpc/AssayResults.h"
#include "gpc/MolarMassAverages.h"

#include <array>
#include <string>
#include <vector>

// Share of the area outside the calibrated times above which a sample's averages rest on an
// extrapolated calibration and its row is marked, %.
constexpr double kOutsideRangeMarked = 1.0;

// The columns of a samples table row, in order.
enum class SampleColumn { FileName, Sample, Mn, Mw, MwMn, Mz, Mz1, Mp, OutsideRange, Count };

// One row of the samples table as it is shown: the texts of its columns and whether its share outside
// the calibrated times is above kOutsideRangeMarked (NaN is not).
struct SampleRow {
    std::array<std::string, static_cast<size_t>(SampleColumn::Count)> texts;  // UTF-8
    bool outsideMarked = false;
    int32_t assayIndex = 0;  // into the calibration's assays
};

// The part of a stored file name after its last "\" or "/".
std::string ShownFileName(const std::string& path);

// Fixed notation with six significant digits, never an exponent: 25228.6, 1.05234, 0 for 0. The
// averages are good to a few per cent; more digits would be noise.
std::string AverageText(double value);
// Mn, Mw, Mw/Mn, Mz, Mz+1, Mp, each as AverageText writes it.
std::array<std::string, 6> AverageTexts(const MolarMassAverages& averages);

// The row of assay (the calibration's copy) with its results: the shown file name, the sample name, the
// six averages and the share outside "%.2f" (%).
SampleRow SampleRowOf(const Assay& assay, const AssayResults& results);

// The rows under a line of column titles as tab-separated text, one line per row ending in "\n", for
// pasting into a spreadsheet. A tab or line break inside a text (a sample name) becomes a space, so
// that every line keeps its columns.
std::string TabSeparatedSamples(const std::array<std::string, static_cast<size_t>(SampleColumn::Count)>& titles,
                                const std::vector<SampleRow>& rows);
