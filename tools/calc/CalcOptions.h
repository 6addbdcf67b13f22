// The command line of quorvel-calc, the headless workbench: which database, documents folder,
// assays with their inclusion marks, and the settings the workbench would have restored.
#pragma once

#include "base/ModuleEnvironment.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CalcAssay {
    int32_t id = 0;
    int32_t included = 1;  // "12/0" lists the assay without including it
};

struct CalcOptions {
    std::string database;  // --db FILE
    std::string documents;  // --docs DIR: holds CompsTableQuorvel.csv and gel.xsl
    int32_t gradIndex = 0;  // --type N: -1 (none), 0 monodisperse, 1 polydisperse, 2 universal
    int32_t formulaIndex = 0;  // --dependence N: -1 (none), or polynomial degree minus one
    int32_t channelIndex = 0;  // --channel N
    double k = 1.0;  // --k X
    double alpha = 0.0;  // --alpha X
    // What is known of the standards, each left out unless given.
    std::optional<double> standardK;  // --standard-k X: K of the narrow standards (universal calibration)
    std::optional<double> standardAlpha;  // --standard-alpha X
    std::optional<double> broadMn;  // --broad-mn X: the broad standard's Mn, g/mol
    std::optional<double> broadMw;  // --broad-mw X
    std::vector<int32_t> flags;  // --flags 1,0,...: overrides the point flags entry by entry
    bool json = false;  // --json
    std::string report;  // --report FILE.html, "" for none
    std::string csv;  // --csv FILE: the samples table, "" for none
    uint16_t language = kModuleLanguage;  // --language N: the host's language identifier, for the report
    bool help = false;  // --help
    std::vector<CalcAssay> assays;  // in the order given
};

// Outcome of parsing: the options, or a description of what is wrong with the arguments.
struct CalcOptionsResult {
    bool ok = false;
    std::string description;
    CalcOptions options;
};

// Parses the arguments after the program name. Never throws; a wrong argument gives ok = false
// with a description naming it.
CalcOptionsResult ParseCalcOptions(const std::vector<std::string>& arguments);

// The usage text printed by --help and after a wrong argument.
const char* CalcUsage();
