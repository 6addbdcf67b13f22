// A passport entry this system does not interpret, kept so that a written file still carries it.
#pragma once

#include <string>

struct PassportField {
    std::string name;  // the XML element's name; empty for a text node
    std::string title;
    std::string value;
};
