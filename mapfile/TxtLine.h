#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The layout of one txt map line, shared by the writer and the reader:
// a key padded to the key column, ":= ", then the value.

// Width of the key column of a txt map line; ":= " follows it in column 51.
constexpr std::size_t TxtKeyWidth = 50;
// Column (0-based) where the value of a txt map line starts.
constexpr std::size_t TxtValueColumn = TxtKeyWidth + 3;

// The key a line is expected to carry, in two parts so that object keys need
// no string built per line ("Space Object 3 " and "Name").
struct TxtKey {
    TxtKey(const char* word) : word(word) {}
    TxtKey(std::string_view word) : word(word) {}
    TxtKey(std::string_view prefix, std::string_view word) : prefix(prefix), word(word) {}

    std::string Text() const { return std::string(prefix) + std::string(word); }

    std::string_view prefix;
    std::string_view word;
};

// True when line carries exactly key: the key padded to the key column, then ":= ".
bool LineHasKey(std::string_view line, const TxtKey& key);

// The value of a txt map line: everything from column 54, empty when shorter.
std::string_view TxtValueOf(std::string_view line);
