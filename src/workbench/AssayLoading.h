// Loading assays from the host database and their chromatogram files into the workbench's assay
// set, and finding the files of chosen assays for the host to open.
#pragma once

#include "base/ModuleEnvironment.h"
#include "base/Status.h"
#include "data/Assay.h"
#include "data/DataBaseHandle.h"
#include "hostlink/HostLink.h"

#include <cstdint>
#include <string>
#include <vector>

// Where a loaded assay stands in the set, and whether the database failed on the way.
struct AssayLoad {
    int32_t index = -1;  // in the assays; -1 when none
    Status status;  // DatabaseError with SQLite's text, for the caller to show
};

// Ensures the assay with this identifier is in assays: its index (an identifier already there
// returns its index and reads nothing), or -1 when no [assay] row carries it. A database error ends
// the load (the index of an assay already appended, else -1) and fails the status; never throws.
AssayLoad LoadAssay(DataBase::Handle& db, int32_t id, std::vector<Assay>& assays);

// File names stored for the assay, one per [assay] row ("" for NULL). Throws DataBase::SqlException.
std::vector<std::string> AssayFileNames(DataBase::Handle& db, int32_t id);

// Asks the host to open the files of the assays with these identifiers, found in the environment's
// database; does nothing (and opens no database) when the host lacks the command or ids is empty.
// Throws DataBase::SqlException.
void OpenAssayFiles(const HostLink& host, const ModuleEnvironment& environment, const std::vector<int32_t>& ids);
