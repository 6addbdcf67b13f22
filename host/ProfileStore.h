// The host profile: named parameters kept as texts in a human-readable UTF-8 file, one
// "name=value" line per parameter, saved atomically (a temporary file in the same folder renamed
// over the old one). A file that cannot be read is never overwritten: it is set aside first.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

class ProfileStore {
public:
    // Largest profile file read, in bytes; a larger one counts as damaged.
    static constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

    // Reads the file at path and makes it the file Save writes. A missing file gives an empty
    // profile and true. Returns false with a message (UTF-8) when the file cannot be read or is
    // damaged: the profile is then empty and the next Save keeps the file beside under a ".damaged" name.
    bool Load(const std::string& path, std::string& message);
    // Writes every parameter to the file atomically; true without writing when no path was loaded.
    // Returns false with a message when writing fails; the old file then stays as it was.
    bool Save(std::string& message);

    // The stored text of the parameter, or nothing when it is absent.
    std::optional<std::string> Get(const std::string& name) const;
    // The parameter as a whole int32 text, or nothing when absent or not such a number.
    std::optional<int32_t> GetInt(const std::string& name) const;
    // The parameter as a whole floating-point text, or nothing when absent or not a number.
    std::optional<double> GetDouble(const std::string& name) const;
    // Stores value under name (both UTF-8), replacing an earlier value of any kind.
    void Set(const std::string& name, const std::string& value);
    // Stores the decimal text of value.
    void SetInt(const std::string& name, int32_t value);
    // Stores the shortest text that reads back as the same double.
    void SetDouble(const std::string& name, double value);
    // Deletes the parameter; false when it was absent.
    bool Remove(const std::string& name);
    // True while changes wait for Save.
    bool Dirty() const { return dirty_; }

    // The file text of the parameters.
    std::string Format() const;
    // Replaces the parameters by those of a file text; on damage returns false with the reason
    // (line number included) and leaves the parameters empty.
    bool Parse(const std::string& text, std::string& reason);

private:
    bool SetAsideUnreadFile(std::string& message);

    std::map<std::string, std::string> values_;
    std::string path_;
    bool keepOldFile_ = false;  // the file on disk was not read: set it aside before writing
    bool dirty_ = false;
};
