// The report's XML document over libxml2: started from a fixed template with the root element
// "Document", then grown by appending elements, empty or carrying a text or a 32-bit integer. A value
// element is marked with its type as MSXML marks it: the attribute dt:dt ("string" or "i4") in the
// namespace urn:schemas-microsoft-com:datatypes.
#pragma once

#include <libxml/tree.h>

#include <cstdint>
#include <string>

class XMLWrapper {
public:
    static constexpr const char* kTemplate = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document />";

    XMLWrapper() = default;
    ~XMLWrapper();
    XMLWrapper(const XMLWrapper&) = delete;
    XMLWrapper& operator=(const XMLWrapper&) = delete;

    // Starts the document anew from kTemplate; false when the template was not accepted or left no root.
    bool LoadTemplate();

    // Appends an empty element to parent (null: the root) and returns it. Throws XmlError when there
    // is no document yet, name is not an XML name, or the library fails.
    xmlNodePtr AddElement(xmlNodePtr parent, const std::string& name);
    // Appends an element whose content is text (UTF-8), marked "string". Throws XmlError as AddElement
    // does, and for text that is not UTF-8 or holds characters XML 1.0 cannot carry (such as NUL).
    xmlNodePtr AddText(xmlNodePtr parent, const std::string& name, const std::string& text);
    // Appends an element whose content is value in decimal, marked "i4". Throws XmlError as AddElement.
    xmlNodePtr AddInteger(xmlNodePtr parent, const std::string& name, int32_t value);

    // The document; null before LoadTemplate.
    xmlDocPtr Document() const { return document_; }
    // The document as UTF-8 XML text; empty before LoadTemplate.
    std::string Serialize() const;

private:
    xmlNodePtr AddTyped(xmlNodePtr parent, const std::string& name, const std::string& text, const char* type);

    xmlDocPtr document_ = nullptr;
    xmlNodePtr root_ = nullptr;
};
