// The host profile file: parsing, formatting, typed access and the atomic save.
#include "host/ProfileStore.h"

#include "base/NumberText.h"
#include "data/ReplacingFile.h"

#include <QStringDecoder>

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr const char* FileHeader =
    "# cds-host profile: one parameter per line, name=value, UTF-8.\n"
    "# Escapes: %25 for \"%\", %0A and %0D for line breaks; in names also %3D for \"=\" and %23 "
    "for \"#\".\n";

std::string Escape(const std::string& text, bool isName) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const bool special = c == '%' || c == '\n' || c == '\r' || (isName && (c == '=' || c == '#'));
        if (!special) {
            out += c;
            continue;
        }
        char code[4];
        std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
        out += code;
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

bool IsValidUtf8(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    // The decoding happens when the result is taken as a QString.
    const QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return !decoder.hasError();
}

std::string SystemError(const std::string& what, int error) { return what + ": " + std::strerror(error); }

// The failure of a replacing write as the profile reports it.
std::string FailureMessage(const ReplacingFile& file, const std::string& path) {
    switch (file.FailedStep()) {
    case ReplacingFile::Step::Create:
        return SystemError("cannot create a temporary file beside \"" + path + "\"", file.FailedError());
    case ReplacingFile::Step::Rename: return SystemError("cannot replace \"" + path + "\"", file.FailedError());
    default: return SystemError("cannot write \"" + file.TemporaryPath() + "\"", file.FailedError());
    }
}

// Replaces the file at path by text, flushed to disk; a new file is readable by its owner alone.
bool WriteReplacing(const std::string& path, const std::string& text, std::string& message) {
    ReplacingFile file(path, 0600);
    if (file.Stream()) std::fwrite(text.data(), 1, text.size(), file.Stream());  // a short write fails the commit
    if (file.Commit()) return true;
    message = FailureMessage(file, path);
    return false;
}

// Reads the whole file into text; false when it cannot be read or exceeds MaxFileSize.
bool ReadBounded(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > ProfileStore::MaxFileSize) return false;
    }
    return in.eof();
}

}  // namespace

bool ProfileStore::Load(const std::string& path, std::string& message) {
    path_ = path;
    values_.clear();
    dirty_ = false;
    keepOldFile_ = false;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    std::string reason;
    std::string text;
    if (status.type() != std::filesystem::file_type::regular)
        reason = "it is not a regular file";
    else if (!ReadBounded(path, text))
        reason = text.size() > MaxFileSize ? "it is larger than 16 MiB" : "it cannot be read";
    else
        Parse(text, reason);
    if (reason.empty()) return true;
    keepOldFile_ = true;
    message = "The profile file \"" + path + "\" is damaged (" + reason +
              "). It is left as it is and kept beside under a name ending in \".damaged\" when the profile "
              "is next saved; the host starts with an empty profile.";
    return false;
}

bool ProfileStore::Save(std::string& message) {
    if (path_.empty()) {
        dirty_ = false;
        return true;
    }
    if (keepOldFile_ && !SetAsideUnreadFile(message)) return false;
    if (!WriteReplacing(path_, Format(), message)) return false;
    dirty_ = false;
    return true;
}

bool ProfileStore::SetAsideUnreadFile(std::string& message) {
    std::error_code error;
    const auto type = std::filesystem::status(path_, error).type();
    if (type == std::filesystem::file_type::not_found) {
        keepOldFile_ = false;
        return true;
    }
    if (type != std::filesystem::file_type::regular) {
        message = "The profile \"" + path_ + "\" is not a regular file; nothing was saved.";
        return false;
    }
    for (int n = 1; n <= 100; ++n) {
        const std::string aside = path_ + ".damaged" + (n == 1 ? "" : "-" + std::to_string(n));
        if (std::filesystem::exists(aside, error) || error) continue;
        // A second name keeps the damaged file in place until the new one replaces it, so that a save
        // cut short never leaves no profile at all; a file system without links gets a rename.
        const bool kept = ::link(path_.c_str(), aside.c_str()) == 0 ||
                          ((errno == EPERM || errno == ENOTSUP) && std::rename(path_.c_str(), aside.c_str()) == 0);
        if (!kept) {
            message = SystemError("cannot keep the damaged profile \"" + path_ + "\" as \"" + aside + "\"", errno) +
                      "; nothing was saved.";
            return false;
        }
        keepOldFile_ = false;
        return true;
    }
    message = "No free name to keep the damaged profile \"" + path_ + "\"; nothing was saved.";
    return false;
}

std::optional<std::string> ProfileStore::Get(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::optional<int32_t> ProfileStore::GetInt(const std::string& name) const {
    const auto text = Get(name);
    return text ? ParseWholeInt(*text) : std::nullopt;
}

std::optional<double> ProfileStore::GetDouble(const std::string& name) const {
    const auto text = Get(name);
    return text ? ParseWholeDouble(*text) : std::nullopt;
}

void ProfileStore::Set(const std::string& name, const std::string& value) {
    values_[name] = value;
    dirty_ = true;
}

void ProfileStore::SetInt(const std::string& name, int32_t value) { Set(name, std::to_string(value)); }

void ProfileStore::SetDouble(const std::string& name, double value) { Set(name, FormatShortest(value)); }

bool ProfileStore::Remove(const std::string& name) {
    if (values_.erase(name) == 0) return false;
    dirty_ = true;
    return true;
}

std::string ProfileStore::Format() const {
    std::string text = FileHeader;
    for (const auto& [name, value] : values_) text += Escape(name, true) + "=" + Escape(value, false) + "\n";
    return text;
}

bool ProfileStore::Parse(const std::string& text, std::string& reason) {
    values_.clear();
    auto fail = [&](std::size_t lineNumber, const std::string& why) {
        values_.clear();
        reason = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    if (text.find('\0') != std::string::npos)
        return fail(1 + std::count(text.begin(), text.begin() + text.find('\0'), '\n'), "a zero byte");
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        ++lineNumber;
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // a file saved with CR LF line ends
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return fail(lineNumber, "no \"=\" between name and value");
        const auto name = Unescape(line.substr(0, equals));
        const auto value = Unescape(line.substr(equals + 1));
        if (!name || !value) return fail(lineNumber, "a \"%\" not followed by two hexadecimal digits");
        if (name->empty()) return fail(lineNumber, "an empty name");
        if (!IsValidUtf8(*name) || !IsValidUtf8(*value)) return fail(lineNumber, "text that is not UTF-8");
        if (!values_.emplace(*name, *value).second) return fail(lineNumber, "the name \"" + *name + "\" appears twice");
    }
    dirty_ = false;
    return true;
}
