#pragma once

#include <cstdint>
#include <string>

// What the map writer and loader need of the stellar object catalogue: the
// name written for an object's type, and the type read back from that name.
class StellarTypeNames {
public:
    virtual ~StellarTypeNames() = default;
    // The Name of the entry with that ordinal; empty when there is none.
    virtual std::string TypeNameOfOrdinal(std::int32_t ordinal) const = 0;
    // The ordinal of the first entry with that name; 0 when there is none.
    virtual std::int32_t OrdinalOfTypeName(const std::string& name) const = 0;
};
