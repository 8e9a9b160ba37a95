#include "random/SystemNames.h"

#include <algorithm>

#include "text/LineCursor.h"
#include "text/TextHelpers.h"
#include "text/Reporter.h"
#include "random/NameGenerator.h"
#include "model/RandomDraws.h"

namespace {

// Tries of the name generator before falling back to a numbered name.
constexpr int GeneratedNameTries = 20;

}  // namespace

bool SystemNamePool::LoadSystemNames(const std::filesystem::path& file, Reporter& reporter) {
    entries_.clear();
    extraNames_.clear();
    return ReadDataFile(file, "Can't load System names", reporter, [this](LineCursor& in) {
        while (!in.AtEnd()) entries_.push_back({in.Next(), false});
    });
}

void SystemNamePool::ResetSystemNames() {
    for (auto& entry : entries_) entry.Used = false;
    extraNames_.clear();
}

bool SystemNamePool::HasUnusedName() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const SystemNameEntry& e) { return !e.Used; });
}

std::string SystemNamePool::PickSystemName(RandomSource& random, const std::filesystem::path& programFolder) {
    if (!HasUnusedName()) return ExtraName(random, programFolder);
    const auto last = static_cast<std::int32_t>(entries_.size()) - 1;
    std::int32_t k = RandomInt(random, 0, last);
    while (entries_[k].Used) k = RandomInt(random, 0, last);
    entries_[k].Used = true;
    return entries_[k].Name;
}

// A name not handed out before in this generation: a generated one when the
// rules give one, else "System <n>".
std::string SystemNamePool::ExtraName(RandomSource& random, const std::filesystem::path& programFolder) {
    const auto taken = [this](const std::string& name) {
        return std::find(extraNames_.begin(), extraNames_.end(), name) != extraNames_.end() || Contains(name);
    };
    const std::vector<std::string> rules = ReadNameRules(programFolder);
    std::string name;
    for (int i = 0; i < GeneratedNameTries && (name.empty() || taken(name)); ++i)
        name = GenerateNameFromRules(rules, random);
    for (std::size_t n = extraNames_.size() + 1; name.empty() || taken(name); ++n) name = "System " + std::to_string(n);
    extraNames_.push_back(name);
    return name;
}
