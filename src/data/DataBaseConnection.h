// The process-wide holder of the host database location, as last named by the host.
#pragma once

#include <optional>
#include <string>

class DataBaseConnection {
public:
    virtual ~DataBaseConnection() = default;

    // The single holder of this process, created (with no location) on first use.
    static DataBaseConnection& Instance();

    // Replaces the stored location by a private copy of uri (UTF-8).
    void SetUri(const std::string& uri) { uri_ = uri; }
    // The stored location; empty optional until the host named one.
    const std::optional<std::string>& Uri() const { return uri_; }

private:
    std::optional<std::string> uri_;
};
