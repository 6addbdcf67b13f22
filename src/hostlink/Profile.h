// Named parameters in the host's profile. A parameter's name is the base path, "\", the section,
// "/" and the key; the workbench uses the empty section, so "K" becomes plugins\quorvel\/K.
#pragma once

#include <cstdint>
#include <string>

// The module-wide base path ("plugins\quorvel" after the first menu command; empty before).
void SetProfileBasePath(const std::string& basePath);
const std::string& ProfileBasePath();

// The full parameter name; starts with the section itself while the base path is empty.
std::string ProfileParameterName(const std::string& section, const std::string& key);

// The stored value, or defaultValue when the host lacks the command or reports failure.
int32_t ProfileGetInt(const std::string& section, const std::string& key, int32_t defaultValue);
double ProfileGetDouble(const std::string& section, const std::string& key, double defaultValue);
// At most 127 characters, whatever the host stores; defaultValue on failure.
std::string ProfileGetString(const std::string& section, const std::string& key,
                             const std::string& defaultValue);

// True when the host stored the value; false when it failed or lacks the command.
bool ProfileSetInt(const std::string& section, const std::string& key, int32_t value);
bool ProfileSetDouble(const std::string& section, const std::string& key, double value);

// Stores a text, when the host serves "Profile/SetString"; the result is not reported.
void ProfileSetString(const std::string& section, const std::string& key, const std::string& text);
// Deletes a parameter, when the host serves "Profile/DelParam".
void ProfileDeleteParameter(const std::string& section, const std::string& key);
