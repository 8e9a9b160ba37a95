#include "random/NameGenerator.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "text/TextHelpers.h"
#include "model/RandomDraws.h"

namespace {

const char* const Vowels[6] = {"", "a", "e", "i", "o", "u"};
const char* const Consonants[19] = {"",  "b", "c", "d", "f", "g", "h", "k", "l", "m",
                                    "n", "p", "r", "s", "t", "v", "y", "z", ""};

// The rules file of the folder, whatever the letter case of its name.
std::filesystem::path FindRulesFile(const std::filesystem::path& folder) {
    const auto exact = folder / NameRulesFileName;
    if (FileExists(exact)) return exact;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (LowerCase(it->path().filename().string()) == NameRulesFileName && FileExists(it->path())) return it->path();
    return {};
}

// The rule with its groups expanded: only "C", "V" and fixed characters
// remain. Each gives at most one character of the name, so the pattern stops
// at the longest name there may be, however long or repetitive the rule.
std::string ExpandRule(const std::string& rule, RandomSource& random) {
    std::string pattern, group;
    bool inGroup = false;
    std::int32_t repeats = 0;
    for (char c : rule) {
        if (pattern.size() >= MaxGeneratedNameLength) break;
        if (c == '(') {
            inGroup = true;
            group.clear();
        } else if (c == ')') {
            inGroup = false;
        } else if (c == '*') {
            if (!group.empty()) repeats = RandomInt(random, 0, 2);
            for (std::int32_t i = 0; i < repeats; ++i) pattern += group;
            group.clear();
        } else {
            (inGroup ? group : pattern) += c;
        }
    }
    if (pattern.size() > MaxGeneratedNameLength) pattern.resize(MaxGeneratedNameLength);
    return pattern;
}

}  // namespace

std::vector<std::string> ReadNameRules(const std::filesystem::path& programFolder) {
    std::vector<std::string> rules;
    const auto file = FindRulesFile(programFolder);
    if (file.empty()) return rules;
    const auto lines = ReadTextLines(file, MaxSmallFileBytes);
    if (!lines) return rules;
    std::copy_if(lines->begin(), lines->end(), std::back_inserter(rules),
                 [](const std::string& line) { return !line.empty(); });
    return rules;
}

std::string GenerateNameFromRules(const std::vector<std::string>& rules, RandomSource& random) {
    if (rules.empty()) return {};
    const std::string& rule = rules[RandomInt(random, 1, static_cast<std::int32_t>(rules.size())) - 1];
    std::string name;
    for (char c : ExpandRule(rule, random)) {
        if (c == 'C')
            name += Consonants[RandomInt(random, 0, 18)];
        else if (c == 'V')
            name += Vowels[RandomInt(random, 0, 5)];
        else
            name += c;
    }
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

std::string GenerateName(const std::filesystem::path& programFolder, RandomSource& random) {
    return GenerateNameFromRules(ReadNameRules(programFolder), random);
}
