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

// A line holding a control character (a zero byte of UTF-16 text, say) is no name.
bool HasControlCharacter(const std::string& line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
}

}  // namespace

bool SystemNamePool::LoadSystemNames(const std::filesystem::path& file, Reporter& reporter) {
    entries_.clear();
    poolNames_.clear();
    ResetSystemNames();
    return ReadDataFile(file, "Can't load System names", "system names, one a line", reporter, [this](LineCursor& in) {
        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            const std::string name = Trim(line);
            // Systems are told apart by their names without blanks: an empty
            // name or a repeated one would send warps astray.
            if (name.empty() || HasControlCharacter(name) || !poolNames_.insert(name).second) continue;
            entries_.push_back({line, false});
        }
        return !entries_.empty();
    });
}

void SystemNamePool::ResetSystemNames() {
    for (auto& entry : entries_) entry.Used = false;
    extraNames_.clear();
    rules_.reset();
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
        const std::string key = Trim(name);
        return key.empty() || extraNames_.count(key) > 0 || poolNames_.count(key) > 0;
    };
    if (!rules_) rules_ = ReadNameRules(programFolder);
    std::string name;
    for (int i = 0; i < GeneratedNameTries && taken(name); ++i) name = GenerateNameFromRules(*rules_, random);
    for (std::size_t n = extraNames_.size() + 1; taken(name); ++n) name = "System " + std::to_string(n);
    extraNames_.insert(Trim(name));
    return name;
}
