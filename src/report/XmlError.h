// The failure of an XML operation of the report: the XML library refused a call, or a name or text
// cannot be carried by an XML document. The report catches it and builds nothing further.
#pragma once

#include <stdexcept>
#include <string>

class XmlError : public std::runtime_error {
public:
    // what() is the reason in English; the report shows it inside its own message.
    explicit XmlError(const std::string& reason) : std::runtime_error(reason) {}
};
