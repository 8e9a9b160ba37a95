#include "catalog/AbilityCatalog.h"

#include "text/LineCursor.h"
#include "text/TextHelpers.h"
#include "text/Reporter.h"

namespace {

constexpr std::size_t ValueColumn = 52;
const char* const FailureText = "The 'StellarAbilitiesTypes.txt' path is incorrect";

std::string Value(LineCursor& cursor) { return ValueFrom(cursor.Next(), ValueColumn); }

AbilityDefinition ReadAbility(LineCursor& in, const std::string& groupName, std::int32_t index) {
    AbilityDefinition a;
    a.ObjectKind = ObjectKindOfGroup(groupName);
    if (a.ObjectKind != "Unknown") a.GroupName = groupName;
    a.IndexInGroup = index;
    a.Chance = WholeNumber(Value(in));
    a.Tipe = Value(in);
    a.Description = Value(in);
    a.Scope = Value(in);
    a.RangeFormula = WholeNumber(Value(in));
    a.Amount1 = Value(in);
    a.Amount2 = Value(in);
    return a;
}

// An amount part without its "Am1= " or "Am2= " prefix.
std::string AmountOf(const std::string& part) { return part.size() > 5 ? part.substr(5) : std::string(); }

}  // namespace

std::string AbilityDefinition::AbilityText() const { return Tipe + "/Am1= " + Amount1 + "/Am2= " + Amount2; }

std::string KindTextOfCode(std::int32_t code) {
    switch (code) {
        case 1: return "Star";
        case 2: return "Warp";
        case 3: return "Storm";
        case 4: return "Planet";
        case 8: return "Asteroids";
        default: return {};
    }
}

std::string ObjectKindOfGroup(const std::string& groupName) {
    return LookUpText({{"Normal Planet", "Planet"},
                       {"Normal Asteroids", "Asteroids"},
                       {"Normal Storm", "Storm"},
                       {"Normal Star", "Star"},
                       {"Normal Warp Point", "Warp"},
                       {"Unstable Warp Point", "Warp Unstable"}},
                      groupName, "Unknown");
}

bool AbilityCatalog::ParseStellarAbilityTypes(const std::filesystem::path& file, Reporter& reporter) {
    return ReadDataFile(file, FailureText, "ability groups (\"Name\" lines)", reporter, [this](LineCursor& in) {
        entries_.clear();  // only once the file opened: else the catalogue stays
        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            if (!StartsWith(line, "Name ")) continue;
            const std::string groupName = ValueFrom(line, ValueColumn);
            const double count = RealNumber(Value(in));
            for (std::int32_t i = 1; i <= count; ++i) entries_.push_back(ReadAbility(in, groupName, i));
        }
        return !entries_.empty();
    });
}

std::vector<AbilityDefinition> AbilityCatalog::AbilitiesOfKind(std::int32_t kindCode) const {
    const std::string kind = KindTextOfCode(kindCode);
    return Select([&](const AbilityDefinition& a) { return a.ObjectKind == kind; });
}

std::vector<AbilityDefinition> AbilityCatalog::AbilitiesOfGroup(const std::string& groupName) const {
    std::vector<AbilityDefinition> found;
    for (const auto& a : entries_) {
        if (a.GroupName != groupName || a.GroupName.empty()) continue;
        found.push_back(a);
        found.back().ObjectKind.clear();
    }
    return found;
}

CAbility AbilityCatalog::AbilityFromText(std::int32_t kindCode, const std::string& abilityText,
                                         Reporter& reporter) const {
    const std::vector<std::string> parts = SplitAt(abilityText, '/');
    const std::string kind = KindTextOfCode(kindCode);
    for (const auto& a : entries_) {
        if (parts.size() < 3 || kind.empty()) break;
        if (a.Tipe != parts[0] || a.ObjectKind != kind) continue;
        if (a.Amount1 != AmountOf(parts[1]) || a.Amount2 != AmountOf(parts[2])) continue;
        CAbility found = a;
        found.ID = static_cast<std::uint8_t>(a.IndexInGroup);
        return found;
    }
    if (!abilityText.empty()) reporter.Error("There's no ability '" + abilityText + "' for that object");
    CAbility ability;
    ability.IniciaCAbility();
    ability.Description = "NO";
    return ability;
}
