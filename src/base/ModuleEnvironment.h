// What the module knows of the place it runs in: the documents folder, the host database and the
// host's language. Whoever builds the module's parts supplies it: the plug-in entry asks the host,
// quorvel-calc takes its arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The language of the module's own texts (Russian); any other needs a translation.
inline constexpr uint16_t kModuleLanguage = 1049;

class ModuleEnvironment {
public:
    virtual ~ModuleEnvironment() = default;

    // The folder holding the components table and the report stylesheet (UTF-8); empty when none is
    // named. Asked at each use, since a host's user may name another folder while the module runs.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
    // The host database (UTF-8); empty until one is named.
    virtual std::optional<std::string> DatabaseLocation() const = 0;
    // The host's language identifier (1033 English, 1049 Russian ...).
    virtual uint16_t Language() const = 0;
};
