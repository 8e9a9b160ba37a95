#include "catalog/AbilityCatalog.h"

#include <map>
#include <string_view>
#include <utility>

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

// text == a.AbilityText(), without building it for every entry looked at.
bool HasText(const AbilityDefinition& a, std::string_view text) {
    for (std::string_view part : {std::string_view(a.Tipe), std::string_view("/Am1= "), std::string_view(a.Amount1),
                                  std::string_view("/Am2= "), std::string_view(a.Amount2)}) {
        if (text.substr(0, part.size()) != part) return false;
        text.remove_prefix(part.size());
    }
    return text.empty();
}

// The kinds the editor looks abilities up for by their text.
bool ChosenByText(const std::string& kind) {
    for (std::int32_t code : {1, 2, 3, 4, 8})
        if (KindTextOfCode(code) == kind) return true;
    return false;
}

// The editor names an ability by its text alone, so two abilities of one kind
// with the same text but other details (a repeated entry, or a "/" inside a
// type or amount) cannot both be chosen: say so once rather than let the
// second one be swapped for the first unnoticed.
void ReportAmbiguousTexts(const std::vector<AbilityDefinition>& entries, Reporter& reporter) {
    std::map<std::pair<std::string, std::string>, const CAbility*> first;
    std::string example;
    std::size_t count = 0;
    for (const auto& a : entries) {
        if (!ChosenByText(a.ObjectKind)) continue;
        const auto [seen, isNew] = first.try_emplace({a.ObjectKind, a.AbilityText()}, &a);
        if (isNew || *seen->second == static_cast<const CAbility&>(a)) continue;
        if (count++ == 0) example = a.ObjectKind + " abilities with the text '" + Elided(a.AbilityText()) + "'";
    }
    if (count == 0) return;
    reporter.Error(std::string("'") + AbilityCatalog::FileName + "' has different " + example +
                   "; that text gives the first of them. Abilities hidden this way: " + std::to_string(count));
}

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
    const auto read = [this, &reporter](LineCursor& in) {
        entries_.clear();  // only once the file opened: else the catalogue stays
        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            if (!StartsWith(line, "Name ")) continue;
            const std::string groupName = ValueFrom(line, ValueColumn);
            const double count = RealNumber(Value(in));
            for (std::int32_t i = 1; i <= count; ++i) entries_.push_back(ReadAbility(in, groupName, i));
        }
        ReportAmbiguousTexts(entries_, reporter);
        return !entries_.empty();
    };
    return ReadDataFile(file, FailureText, "ability groups (\"Name\" lines)", reporter, read);
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
    // The whole text is compared: cutting it at its "/" would misread a type
    // or amount that holds one, and match another ability or none.
    const std::string kind = KindTextOfCode(kindCode);
    for (const auto& a : entries_) {
        if (kind.empty()) break;
        if (a.ObjectKind != kind || !HasText(a, abilityText)) continue;
        CAbility found = a;
        found.ID = static_cast<std::uint8_t>(a.IndexInGroup);
        return found;
    }
    if (!abilityText.empty()) reporter.Error("There's no ability '" + Elided(abilityText) + "' for that object");
    CAbility ability;
    ability.IniciaCAbility();
    ability.Description = "NO";
    return ability;
}
