#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Options with a value ("--quadrant NAME") and bare flags ("--progress").
struct ParsedArgs {
    std::map<std::string, std::string> values;
    std::map<std::string, bool> flags;
    std::string error;  // the first word that is no known option, or a value left out

    std::string Value(const std::string& key) const;
    bool Has(const std::string& key) const { return values.count(key) != 0; }
    bool Flag(const std::string& key) const { return flags.count(key) != 0; }
};

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueKeys,
                     const std::vector<std::string>& flagKeys);

// The value of --seed, or one from the clock so that unseeded runs differ;
// nothing when the value is no whole number from 0 to 2^64 - 1.
std::optional<std::uint64_t> SeedOf(const ParsedArgs& parsed);
inline constexpr const char* BadSeedText = "The seed must be a whole number from 0 to 18446744073709551615";
