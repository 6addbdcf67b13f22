// What the workbench window shows, read as a user reads it: the lists row by row with their check
// boxes and selection, the combos' choices and the edits' texts found by their labels.
#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

struct ShownRow {
    std::vector<std::string> cells;  // every column's text
    bool checked = false;
    bool selected = false;
};

struct ShownWorkbench {
    std::vector<ShownRow> assays;
    std::vector<ShownRow> points;
    std::vector<std::string> pointTitles;  // the points list's column titles
    std::vector<ShownRow> results;
    int type = -1;  // the combos' chosen entries; -1 for none
    int dependence = -1;
    int channel = -1;
    std::string kText;
    std::string alphaText;
    // The pair of the standards' edits shown: the standards' K and Alpha, or the broad standard's Mn
    // and Mw; empty when its edit is hidden.
    std::optional<std::string> standardKText;
    std::optional<std::string> standardAlphaText;
    std::optional<std::string> broadMnText;
    std::optional<std::string> broadMwText;
    std::array<std::string, 6> averages;  // Mn, Mw, Mw/Mn, Mz, Mz+1, Mp
    std::array<std::string, 4> coefficients;  // k0 .. k3
    std::array<std::string, 2> fit;  // R² and SE(Y)
};

// Reads the workbench window; a control that cannot be found leaves its entry empty (-1, "" or none).
ShownWorkbench ReadShownWorkbench(QWidget& workbench);

// The labels of the edits a user types into, in the order of ShownWorkbench's texts.
inline constexpr const char* kTypedEditLabels[] = {
    "K", "Alpha", "K стандартов", "Alpha стандартов", "Mn стандарта", "Mw стандарта"};
