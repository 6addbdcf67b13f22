#include "components/ComponentsTable.h"

#include "base/NumberText.h"
#include "base/Utf16.h"
#include "components/Cp1251Codec.h"
#include "data/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// A longer field read keeps its first 198 bytes; a table with a longer field is never written, so that
// what is saved reads back the same.
constexpr size_t kMaxFieldBytes = 198;
constexpr size_t kMaxComponents = 100000;  // a lab table holds tens; this bounds memory on any file
constexpr size_t kFieldsUsed = 4;
constexpr char kDefaultHeader[] = "№;Компонент;Имя компонента;Молярная масса";

// Closes a file descriptor when it leaves scope.
struct FileDescriptor {
    explicit FileDescriptor(int value) : fd(value) {}
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int fd;
};

// Splits the file's bytes into rows of fields as they stream past. Only the first four fields of a
// row are kept and each at most 198 bytes, so memory stays bounded whatever the lines hold.
class RowReader {
public:
    void Feed(const char* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) Take(bytes[i]);
    }

    std::vector<std::vector<std::string>> rows;  // complete rows, code page 1251 bytes
    int64_t firstLineBytes = -1;  // length of the first complete line with its CR LF
    bool full = false;  // the row limit was reached; the rest of the file is not read

private:
    void Take(char byte) {
        ++position_;
        if (pendingCr_) {
            pendingCr_ = false;
            if (byte == '\n') {
                EndField();
                EndRow();
                return;
            }
            Append('\r');
        }
        if (byte == '\r')
            pendingCr_ = true;
        else if (byte == ';')
            EndField();
        else
            Append(byte);
    }

    void Append(char byte) {
        if (field_.size() < kMaxFieldBytes) field_ += byte;
    }

    void EndField() {
        if (row_.size() < kFieldsUsed) row_.push_back(std::move(field_));
        field_.clear();
    }

    void EndRow() {
        if (firstLineBytes < 0) firstLineBytes = position_;
        rows.push_back(std::move(row_));
        row_.clear();
        row_.reserve(kFieldsUsed);
        full = rows.size() > kMaxComponents + 1;  // more than the header row and the components kept
    }

    std::vector<std::string> row_;
    std::string field_;
    bool pendingCr_ = false;
    int64_t position_ = 0;
};

// Opens the table file for reading, creating it empty when missing. A file or folder that cannot
// be written is still read.
int OpenForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

bool ReadRows(const std::string& path, RowReader& reader) {
    if (path.empty()) return false;
    const FileDescriptor file(OpenForReading(path));
    if (file.fd < 0) return false;
    char buffer[65536];
    while (!reader.full) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        reader.Feed(buffer, static_cast<size_t>(got));
    }
    return true;
}

Component ToComponent(const std::vector<std::string>& fields, const Cp1251Codec& codec) {
    Component c;
    c.id = ParseLeadingInt(fields[0]);
    c.component = codec.ToUtf8(fields[1]);
    c.componentName = codec.ToUtf8(fields[2]);
    c.molarMass = ParseLeadingDouble(fields[3]).value_or(0.0);
    return c;
}

char16_t FoldLetter(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + (u'a' - u'A');
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
    return c;
}

std::u16string Folded(std::string_view text) {
    std::u16string folded = ToUtf16(text);
    for (char16_t& c : folded) c = FoldLetter(c);
    return folded;
}

// A path with the system's reason for the last failure on it.
std::string WithSystemError(const std::string& path) { return path + ": " + std::strerror(errno); }

// The first length bytes of the file, or false when it is missing or shorter.
bool ReadHeader(const std::string& path, int32_t length, std::string& header) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd < 0) return false;
    header.assign(static_cast<size_t>(length), '\0');
    size_t done = 0;
    while (done < header.size()) {
        const ssize_t got = ::read(file.fd, header.data() + done, header.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

// Writes content beside path and renames it over path, so that a crash at any point leaves either
// the old file or the new one; the old file's permissions and a link at path are kept.
Status ReplaceFile(const std::string& path, std::string_view content) {
    ReplacingFile file(path);
    const bool written =
        file.Stream() && std::fwrite(content.data(), 1, content.size(), file.Stream()) == content.size();
    if (!written || !file.Commit()) return Status::Failed(MessageId::FileNotWritten, WithSystemError(path));
    return Status::Ok();
}

bool HasLineBreakOrSeparator(const std::string& field) {
    return field.find(';') != std::string::npos || field.find("\r\n") != std::string::npos;
}

// Replaces the table's components, header length and completeness by what the reader read; the next
// id follows the last component, and stays as it was when none was read.
void TakeRows(const RowReader& reader, const Cp1251Codec& codec, ComponentsTable& table) {
    table.components.clear();
    table.headerLength = reader.rows.empty() ? -1 : static_cast<int32_t>(reader.firstLineBytes);
    table.complete = !reader.full;
    table.components.reserve(std::min(reader.rows.size(), kMaxComponents));
    for (size_t i = 1; i < reader.rows.size() && table.components.size() < kMaxComponents; ++i) {
        // A line of fewer than four fields (an empty line, say) is no component.
        if (reader.rows[i].size() == kFieldsUsed) table.components.push_back(ToComponent(reader.rows[i], codec));
    }
    if (!table.components.empty()) table.nextId = IdAfter(table.components.back().id);
}

}  // namespace

std::string ComponentsFilePath(const ModuleEnvironment& environment, const std::string& fileName) {
    const std::optional<std::string> folder = environment.DocumentsFolder();
    if (!folder) return {};
    return (std::filesystem::path(*folder) / fileName).string();
}

int32_t IdAfter(int32_t id) { return static_cast<int32_t>(static_cast<uint32_t>(id) + 1u); }

bool ComponentsTable::LoadTable() {
    RowReader reader;
    const bool read = ReadRows(filePath, reader);
    TakeRows(reader, Cp1251Codec(), *this);
    return read;
}

void ComponentsTable::ReadFileBytes(std::string_view bytes, const Cp1251Codec& codec) {
    RowReader reader;
    reader.Feed(bytes.data(), bytes.size());
    TakeRows(reader, codec, *this);
}

Status ComponentsTable::SaveTable() {
    if (filePath.empty()) return Status::Failed(MessageId::NoDocumentsFolder);
    if (!complete) return Status::Failed(MessageId::TooManyComponents, filePath);
    std::string header;
    if (headerLength > 0 && !ReadHeader(filePath, headerLength, header))
        return Status::Failed(MessageId::ComponentsFileChanged, filePath);
    std::string content;
    Status result = FileBytes(header, Cp1251Codec(), content);
    if (result) result = ReplaceFile(filePath, content);
    // The header written is the file's own or else the default line, which holds no CR LF but its last.
    if (result) headerLength = static_cast<int32_t>(header.empty() ? content.find("\r\n") + 2 : header.size());
    return result;
}

Status ComponentsTable::FileBytes(const std::string& header, const Cp1251Codec& codec, std::string& bytes) const {
    std::string content = header.empty() ? codec.FromUtf8(kDefaultHeader) + "\r\n" : header;
    for (const Component& c : components) {
        if (HasLineBreakOrSeparator(c.component) || HasLineBreakOrSeparator(c.componentName))
            return Status::Failed(MessageId::ComponentWithSeparator, std::to_string(c.id));
        const std::string mass = c.molarMass == kNoMolarMass ? std::string() : FormatFixed(c.molarMass, precision);
        const std::string key = codec.FromUtf8(c.component);
        const std::string name = codec.FromUtf8(c.componentName);
        if (std::max({key.size(), name.size(), mass.size()}) > kMaxFieldBytes)
            return Status::Failed(MessageId::ComponentFieldTooLong, std::to_string(c.id));
        content.append(std::to_string(c.id))
            .append(";")
            .append(key)
            .append(";")
            .append(name)
            .append(";")
            .append(mass)
            .append("\r\n");
    }
    bytes = std::move(content);
    return Status::Ok();
}

const Component* ComponentsTable::FindComponent(std::string_view name) const {
    const std::u16string wanted = Folded(name);
    for (const Component& c : components)
        if (Folded(c.component) == wanted) return &c;
    return nullptr;
}
