// Named parameters in the host's profile. A parameter's name is the base path, "\", the section,
// "/" and the key; the workbench uses the empty section, so "K" becomes plugins\quorvel\/K.
#pragma once

#include "hostlink/HostLink.h"

#include <cstdint>
#include <string>

// The base path of the module's parameters, set once the workbench is first asked for.
inline constexpr char kModuleProfileBasePath[] = "plugins\\quorvel";

class Profile {
public:
    // Parameters under basePath, asked of host, which must outlive the profile.
    explicit Profile(const HostLink& host, const std::string& basePath = {});

    void SetBasePath(const std::string& basePath);
    const std::string& BasePath() const { return basePath_; }

    // The full parameter name; starts with the section itself while the base path is empty.
    std::string ParameterName(const std::string& section, const std::string& key) const;

    // The stored value, or defaultValue when the host lacks the command or reports failure.
    int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) const;
    double GetDouble(const std::string& section, const std::string& key, double defaultValue) const;
    // At most 127 characters, whatever the host stores; defaultValue on failure.
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // True when the host stored the value; false when it failed or lacks the command.
    bool SetInt(const std::string& section, const std::string& key, int32_t value) const;
    bool SetDouble(const std::string& section, const std::string& key, double value) const;

    // Stores a text, when the host serves "Profile/SetString"; the result is not reported.
    void SetString(const std::string& section, const std::string& key, const std::string& text) const;
    // Deletes a parameter, when the host serves "Profile/DelParam".
    void DeleteParameter(const std::string& section, const std::string& key) const;

private:
    // The full parameter name as the host is given it: ToUtf16 of ParameterName.
    std::u16string HostName(const std::string& section, const std::string& key) const;
    // Asks the command with the parameter name and the address of value; true when served and found.
    template <typename T>
    bool CallWithName(const char* command, const std::string& section, const std::string& key, T* value) const;
    template <typename T>
    T GetValue(const char* command, const std::string& section, const std::string& key, T defaultValue) const;

    const HostLink& host_;
    std::string basePath_;
    std::u16string hostPrefix_;  // the base path and "\\" in UTF-16; empty while the base path is
};
