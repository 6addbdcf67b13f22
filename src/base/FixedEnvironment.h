// An environment of plain values, for a module run without a host (quorvel-calc, tests).
#pragma once

#include "base/ModuleEnvironment.h"

#include <utility>

class FixedEnvironment : public ModuleEnvironment {
public:
    FixedEnvironment(std::optional<std::string> documents, std::optional<std::string> database)
        : documentsFolder(std::move(documents)), databaseLocation(std::move(database)) {}

    std::optional<std::string> DocumentsFolder() const override { return documentsFolder; }
    std::optional<std::string> DatabaseLocation() const override { return databaseLocation; }
    uint16_t Language() const override { return language; }

    std::optional<std::string> documentsFolder;
    std::optional<std::string> databaseLocation;
    uint16_t language = kModuleLanguage;
};
