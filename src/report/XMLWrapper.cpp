// The report document on libxml2's tree: elements appended as nodes, values as text nodes that the
// serialiser escapes, type marks as namespaced attributes.
#include "report/XMLWrapper.h"

#include "base/Utf16.h"
#include "report/XmlError.h"

#include <libxml/parser.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace {

constexpr const char* kDataTypesNamespace = "urn:schemas-microsoft-com:datatypes";

const xmlChar* Xml(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }
const xmlChar* Xml(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

// The characters XML 1.0 allows in content.
bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Checks the whole text, so that nothing is cut at an embedded NUL or garbled by a bad sequence.
void RequireXmlText(const std::string& name, const std::string& text) {
    if (text.size() > INT_MAX) throw XmlError("the text of element \"" + name + "\" is too long");
    for (size_t i = 0; i < text.size();) {
        const size_t at = i;
        const std::optional<char32_t> c = DecodeUtf8(text, i);
        if (!c) throw XmlError("the text of element \"" + name + "\" is not UTF-8 (byte " + std::to_string(at) + ")");
        if (!IsXmlChar(*c)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*c));
            throw XmlError("the text of element \"" + name + "\" holds " + code + ", which XML cannot carry");
        }
    }
}

struct NodeDeleter {
    void operator()(xmlNode* node) const { xmlFreeNode(node); }
};

}  // namespace

XMLWrapper::~XMLWrapper() {
    root_ = nullptr;
    xmlFreeDoc(document_);
}

bool XMLWrapper::LoadTemplate() {
    xmlDocPtr loaded = xmlReadMemory(kTemplate, static_cast<int>(std::strlen(kTemplate)), nullptr, "UTF-8",
                                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!loaded) return false;
    root_ = nullptr;
    xmlFreeDoc(document_);
    document_ = loaded;
    root_ = xmlDocGetRootElement(document_);
    return root_ != nullptr;
}

xmlNodePtr XMLWrapper::AddElement(xmlNodePtr parent, const std::string& name) {
    if (!document_ || !root_) throw XmlError("the report document was not created");
    if (xmlValidateNCName(Xml(name), 0) != 0 || name.find('\0') != std::string::npos) {
        throw XmlError("\"" + name + "\" is not an XML element name");
    }
    std::unique_ptr<xmlNode, NodeDeleter> element(xmlNewDocNode(document_, nullptr, Xml(name), nullptr));
    if (!element) throw XmlError("element \"" + name + "\" could not be created");
    if (!xmlAddChild(parent ? parent : root_, element.get()))
        throw XmlError("element \"" + name + "\" could not be appended");
    return element.release();
}

xmlNodePtr XMLWrapper::AddText(xmlNodePtr parent, const std::string& name, const std::string& text) {
    RequireXmlText(name, text);
    return AddTyped(parent, name, text, "string");
}

xmlNodePtr XMLWrapper::AddInteger(xmlNodePtr parent, const std::string& name, int32_t value) {
    return AddTyped(parent, name, std::to_string(value), "i4");
}

xmlNodePtr XMLWrapper::AddTyped(xmlNodePtr parent, const std::string& name, const std::string& text, const char* type) {
    xmlNodePtr element = AddElement(parent, name);
    xmlNsPtr dataTypes = xmlNewNs(element, Xml(kDataTypesNamespace), Xml("dt"));
    if (!dataTypes || !xmlNewNsProp(element, dataTypes, Xml("dt"), Xml(type))) {
        throw XmlError("the type of element \"" + name + "\" could not be set");
    }
    if (!text.empty()) {
        // A text node is stored as it is and escaped when written, unlike content given to xmlNewChild.
        xmlNodePtr content = xmlNewDocTextLen(document_, Xml(text), static_cast<int>(text.size()));
        if (!content) throw XmlError("the text of element \"" + name + "\" could not be created");
        if (!xmlAddChild(element, content)) {
            xmlFreeNode(content);
            throw XmlError("the text of element \"" + name + "\" could not be appended");
        }
    }
    return element;
}

std::string XMLWrapper::Serialize() const {
    if (!document_) return {};
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(document_, &buffer, &size, "UTF-8", 0);
    if (!buffer) throw XmlError("the report document could not be written");
    std::string text(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
    xmlFree(buffer);
    return text;
}
