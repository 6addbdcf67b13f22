// One row of the components table: the key matched against peak names, its display name and its
// molar mass (g/mol).
#pragma once

#include <cstdint>
#include <string>

// The molar mass of a component that has none: the lowest finite double.
inline constexpr double kNoMolarMass = -1.7976931348623157e308;

struct Component {
    int32_t id = 0;  // unique within the table in normal use
    std::string component;  // key matched against peak names
    std::string componentName;  // display name
    double molarMass = 0.0;  // g/mol; kNoMolarMass when none

    bool operator==(const Component&) const = default;
};
