#pragma once

#include <filesystem>
#include <string>
#include <vector>

class RandomSource;

inline constexpr const char* NameRulesFileName = "rules.dat";
// The longest name a rule may give.
inline constexpr std::size_t MaxGeneratedNameLength = 64;

// The non-empty lines of the rules file in the program folder (its name is
// matched without regard to letter case). Empty when there is no such file.
std::vector<std::string> ReadNameRules(const std::filesystem::path& programFolder);

// A name built from one rule drawn from the list ("C" consonant, "V" vowel,
// "(...)" a group repeated 0 to 2 times by a following "*", anything else
// copied), first character in upper case, at most MaxGeneratedNameLength
// characters. Empty when there are no rules.
std::string GenerateNameFromRules(const std::vector<std::string>& rules, RandomSource& random);

// Reads the rules file anew and builds one name; empty when the file is
// missing or holds no rule.
std::string GenerateName(const std::filesystem::path& programFolder, RandomSource& random);
