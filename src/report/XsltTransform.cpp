// libxslt driven from memory: the stylesheet read with a size limit and parsed without entity
// substitution, the transformation run under security preferences that forbid all file and network
// access, the result serialised first and written only then.
#include "report/XsltTransform.h"

#include <libxml/parser.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cerrno>
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
        : fd(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode)) {}
    ~File() {
        if (fd >= 0) ::close(fd);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // True for an open regular file (not a folder, device or pipe).
    bool IsRegular() const {
        struct stat status {};
        return fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    }
    int Descriptor() const { return fd; }
    // Closes now; false when the system reports that the written data did not arrive.
    bool Close() {
        const int closing = fd;
        fd = -1;
        return ::close(closing) == 0;
    }

private:
    int fd;
};

// The stylesheet file's bytes, at most kMaxStylesheetBytes; false when it cannot be read whole.
bool ReadStylesheet(const std::string& path, std::string& bytes) {
    const File file(path, O_RDONLY);
    if (!file.IsRegular()) return false;
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.Descriptor(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(kMaxStylesheetBytes)) return false;
        bytes.append(buffer, static_cast<size_t>(n));
    }
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
// fetched. Null when the file is unusable.
Stylesheet LoadStylesheet(const std::string& path) {
    std::string bytes;
    if (!ReadStylesheet(path, bytes)) return nullptr;
    xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOCDATA);
    if (!doc) return nullptr;
    if (RefersToOtherStylesheets(xmlDocGetRootElement(doc))) {
        xmlFreeDoc(doc);
        return nullptr;
    }
    // On success the stylesheet owns doc; on failure it is still ours.
    Stylesheet style(xsltParseStylesheetDoc(doc));
    if (!style) {
        xmlFreeDoc(doc);
        return nullptr;
    }
    if (style->errors != 0) return nullptr;
    return style;
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
    for (const xsltSecurityOption option : {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE,
                                            XSLT_SECPREF_CREATE_DIRECTORY, XSLT_SECPREF_READ_NETWORK,
                                            XSLT_SECPREF_WRITE_NETWORK}) {
        if (xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid) != 0) return nullptr;
    }
    return prefs;
}

// The result serialised as the stylesheet's xsl:output asks; false when it cannot be.
bool SerializeResult(xmlDocPtr result, xsltStylesheetPtr style, std::string& text) {
    xmlChar* buffer = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&buffer, &length, result, style) != 0) return false;
    const std::unique_ptr<xmlChar, XmlCharDeleter> owned(buffer);
    text.assign(reinterpret_cast<const char*>(buffer), buffer ? static_cast<size_t>(length) : 0);
    return true;
}

bool Transform(xmlDocPtr document, xsltStylesheetPtr style, std::string& text) {
    const std::unique_ptr<xsltTransformContext, ContextDeleter> context(xsltNewTransformContext(style, document));
    const auto prefs = ForbidAllAccess();
    if (!context || !prefs || xsltSetCtxtSecurityPrefs(prefs.get(), context.get()) != 0) return false;
    const std::unique_ptr<xmlDoc, DocDeleter> result(
        xsltApplyStylesheetUser(style, document, nullptr, nullptr, nullptr, context.get()));
    if (!result || context->state != XSLT_STATE_OK) return false;
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

// Replaces the content of a regular file; refuses links, devices and pipes.
bool WriteOutput(const std::string& path, const std::string& text) {
    File file(path, O_WRONLY | O_CREAT | O_NOFOLLOW, 0666);
    if (!file.IsRegular() || ::ftruncate(file.Descriptor(), 0) != 0) return false;
    return WriteAll(file.Descriptor(), text) && file.Close();
}

}  // namespace

bool TransformToFile(xmlDocPtr document, const std::string& stylesheetPath, const std::string& outputPath) {
    if (!document) return false;
    const Stylesheet style = LoadStylesheet(stylesheetPath);
    std::string text;
    return style && Transform(document, style.get(), text) && WriteOutput(outputPath, text);
}
