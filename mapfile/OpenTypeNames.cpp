#include "mapfile/OpenTypeNames.h"

std::string OpenTypeNames::TypeNameOfOrdinal(std::int32_t ordinal) const {
    if (ordinal < 1 || static_cast<std::size_t>(ordinal) > names_.size()) return {};
    return names_[static_cast<std::size_t>(ordinal) - 1];
}

std::int32_t OpenTypeNames::OrdinalOfTypeName(const std::string& name) const {
    const auto found = ordinals_.find(name);
    if (found != ordinals_.end()) return found->second;
    names_.push_back(name);
    const auto ordinal = static_cast<std::int32_t>(names_.size());
    ordinals_.emplace(name, ordinal);
    return ordinal;
}
