// libxslt driven from memory: the stylesheet read with a size limit and parsed without entity
// substitution, the transformation run under security preferences that forbid all file and network
// access, the result serialised first and written only then. Each failure carries the reason libxml2,
// libxslt or the system gave.
#include "report/XsltTransform.h"

#include <libxml/parser.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kXslNamespace = "http://www.w3.org/1999/XSL/Transform";

// An open file, closed when it goes; O_NONBLOCK keeps a named pipe in its place from blocking the open.
class File {
public:
    File(const std::string& path, int flags, mode_t mode = 0)
        : fd_(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode)) {}
    ~File() {
        if (fd_ >= 0) ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // True for an open regular file (not a folder, device or pipe).
    bool IsRegular() const {
        struct stat status {};
        return fd_ >= 0 && ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode);
    }
    int Descriptor() const { return fd_; }
    // Closes now; false when the system reports that the written data did not arrive.
    bool Close() {
        const int closing = fd_;
        fd_ = -1;
        return ::close(closing) == 0;
    }

private:
    int fd_;
};

Status TransformFailed(const std::string& reason) { return Status::Failed(MessageId::TransformFailed, reason); }

Status StylesheetFailed(const std::string& path, const std::string& reason) {
    return TransformFailed("the stylesheet " + path + " " + reason);
}

// Why an open of a file failed, or that it is something other than a regular file.
std::string OpenFailure(const File& file) {
    return file.Descriptor() < 0 ? std::strerror(errno) : "not a regular file";
}

Status StylesheetUnreadable(const std::string& path, const std::string& reason) {
    return StylesheetFailed(path, "cannot be read: " + reason);
}

// The stylesheet file's bytes, at most kMaxStylesheetBytes.
Status ReadStylesheet(const std::string& path, std::string& bytes) {
    const File file(path, O_RDONLY);
    if (!file.IsRegular()) return StylesheetUnreadable(path, OpenFailure(file));
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.Descriptor(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return StylesheetUnreadable(path, std::strerror(errno));
        if (n == 0) return Status::Ok();
        if (bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(kMaxStylesheetBytes))
            return StylesheetFailed(path, "is larger than " + std::to_string(kMaxStylesheetBytes) + " bytes");
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

// What libxslt reports while one lives, collected instead of printed; the earlier handler is back
// once it goes. libxslt's handler is process-wide, and a report runs on one thread at a time.
class ErrorCapture {
public:
    ErrorCapture() : handler_(xsltGenericError), context_(xsltGenericErrorContext) {
        xsltSetGenericErrorFunc(this, &Collect);
    }
    ~ErrorCapture() { xsltSetGenericErrorFunc(context_, handler_); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    // what, followed by everything reported so far (its lines joined with "; ") when there is any.
    std::string Explained(const std::string& what) const {
        std::string joined;
        std::string::size_type start = 0;
        while (start < text_.size()) {
            const std::string::size_type end = std::min(text_.find('\n', start), text_.size());
            if (end > start) joined += (joined.empty() ? "" : "; ") + text_.substr(start, end - start);
            start = end + 1;
        }
        return joined.empty() ? what : what + ": " + joined;
    }

private:
    static void Collect(void* self, const char* format, ...) {
        char piece[1024];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(piece, sizeof piece, format, arguments);
        va_end(arguments);
        static_cast<ErrorCapture*>(self)->text_ += piece;
    }

    xmlGenericErrorFunc handler_;
    void* context_;
    std::string text_;
};

// libxml2's last error of this thread, without its line break.
std::string LastXmlError() {
    const xmlError* error = xmlGetLastError();
    std::string text = error && error->message ? error->message : "unknown error";
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// xsl:import and xsl:include would load further files with entity substitution on, out of our hands.
// The recursion is bounded by the parser's own depth limit.
bool RefersToOtherStylesheets(const xmlNode* node) {
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        if (node->ns && xmlStrEqual(node->ns->href, BAD_CAST kXslNamespace) &&
            (xmlStrEqual(node->name, BAD_CAST "import") || xmlStrEqual(node->name, BAD_CAST "include"))) {
            return true;
        }
        if (RefersToOtherStylesheets(node->children)) return true;
    }
    return false;
}

struct StylesheetDeleter {
    void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};
using Stylesheet = std::unique_ptr<xsltStylesheet, StylesheetDeleter>;

// Parsed without entity substitution, DTD loading or network access, so that no external entity is
// fetched. style stays null when the file is unusable.
Status LoadStylesheet(const std::string& path, const ErrorCapture& errors, Stylesheet& style) {
    std::string bytes;
    if (Status read = ReadStylesheet(path, bytes); !read) return read;
    xmlResetLastError();
    xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOCDATA);
    if (!doc) return StylesheetFailed(path, "is not well-formed: " + LastXmlError());
    if (RefersToOtherStylesheets(xmlDocGetRootElement(doc))) {
        xmlFreeDoc(doc);
        return StylesheetFailed(path, "imports or includes another stylesheet");
    }
    // On success the stylesheet owns doc; on failure it is still ours.
    Stylesheet parsed(xsltParseStylesheetDoc(doc));
    if (!parsed) xmlFreeDoc(doc);
    if (!parsed || parsed->errors != 0) return StylesheetFailed(path, errors.Explained("is not a valid stylesheet"));
    style = std::move(parsed);
    return Status::Ok();
}

struct ContextDeleter {
    void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
};
struct PrefsDeleter {
    void operator()(xsltSecurityPrefs* prefs) const { xsltFreeSecurityPrefs(prefs); }
};
struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct XmlCharDeleter {
    void operator()(xmlChar* text) const { xmlFree(text); }
};

// Forbids every file and network access of the transformation (document(), xsl:document).
std::unique_ptr<xsltSecurityPrefs, PrefsDeleter> ForbidAllAccess() {
    std::unique_ptr<xsltSecurityPrefs, PrefsDeleter> prefs(xsltNewSecurityPrefs());
    if (!prefs) return nullptr;
    for (const xsltSecurityOption option :
         {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY, XSLT_SECPREF_READ_NETWORK,
          XSLT_SECPREF_WRITE_NETWORK}) {
        if (xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid) != 0) return nullptr;
    }
    return prefs;
}

// The result serialised as the stylesheet's xsl:output asks.
Status SerializeResult(xmlDocPtr result, xsltStylesheetPtr style, std::string& text) {
    xmlChar* buffer = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&buffer, &length, result, style) != 0)
        return TransformFailed("the result cannot be serialised");
    const std::unique_ptr<xmlChar, XmlCharDeleter> owned(buffer);
    text.assign(reinterpret_cast<const char*>(buffer), buffer ? static_cast<size_t>(length) : 0);
    return Status::Ok();
}

Status Transform(xmlDocPtr document, xsltStylesheetPtr style, const ErrorCapture& errors, std::string& text) {
    const std::unique_ptr<xsltTransformContext, ContextDeleter> context(xsltNewTransformContext(style, document));
    const auto prefs = ForbidAllAccess();
    if (!context || !prefs || xsltSetCtxtSecurityPrefs(prefs.get(), context.get()) != 0)
        return TransformFailed("the transformation cannot be set up");
    const std::unique_ptr<xmlDoc, DocDeleter> result(
        xsltApplyStylesheetUser(style, document, nullptr, nullptr, nullptr, context.get()));
    if (!result || context->state != XSLT_STATE_OK)
        return TransformFailed(errors.Explained("the transformation failed"));
    return SerializeResult(result.get(), style, text);
}

bool WriteAll(int fd, const std::string& text) {
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

Status NotWritten(const std::string& path, const std::string& reason) {
    return Status::Failed(MessageId::FileNotWritten, path + ": " + reason);
}

// Replaces the content of a regular file; refuses links, devices and pipes.
Status WriteOutput(const std::string& path, const std::string& text) {
    File file(path, O_WRONLY | O_CREAT | O_NOFOLLOW, 0666);
    if (!file.IsRegular()) return NotWritten(path, OpenFailure(file));
    if (::ftruncate(file.Descriptor(), 0) != 0 || !WriteAll(file.Descriptor(), text) || !file.Close())
        return NotWritten(path, std::strerror(errno));
    return Status::Ok();
}

}  // namespace

Status TransformToFile(xmlDocPtr document, const std::string& stylesheetPath, const std::string& outputPath) {
    if (!document) return TransformFailed("there is no document");
    const ErrorCapture errors;
    Stylesheet style;
    std::string text;
    if (Status loaded = LoadStylesheet(stylesheetPath, errors, style); !loaded) return loaded;
    if (Status transformed = Transform(document, style.get(), errors, text); !transformed) return transformed;
    return WriteOutput(outputPath, text);
}
