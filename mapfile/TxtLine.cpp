#include "mapfile/TxtLine.h"

#include <algorithm>

bool LineHasKey(std::string_view line, const TxtKey& key) {
    const std::size_t keyLength = key.prefix.size() + key.word.size();
    const std::size_t keyEnd = std::max(keyLength, TxtKeyWidth);
    if (line.size() < keyEnd + 3 || line.substr(keyEnd, 3) != ":= ") return false;
    if (line.substr(0, key.prefix.size()) != key.prefix) return false;
    if (line.substr(key.prefix.size(), key.word.size()) != key.word) return false;
    return line.substr(keyLength, keyEnd - keyLength).find_first_not_of(' ') == std::string_view::npos;
}

std::string_view TxtValueOf(std::string_view line) {
    return line.size() > TxtValueColumn ? line.substr(TxtValueColumn) : std::string_view();
}
