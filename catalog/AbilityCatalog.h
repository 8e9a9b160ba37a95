#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "catalog/EntryList.h"
#include "model/Records.h"

class Reporter;

// One ability the game offers for an object kind: the ability an object
// receives (its ID left 0) and where the catalogue keeps it.
struct AbilityDefinition : CAbility {
    std::int32_t Chance = 0;  // in thousandths, for random generation
    std::string ObjectKind;  // "Planet", "Asteroids", "Storm", "Star", "Warp", "Warp Unstable", "Unknown"
    std::int32_t IndexInGroup = 0;  // 1-based
    std::string GroupName;          // empty for groups of kind "Unknown"

    // Tipe & "/Am1= " & Amount1 & "/Am2= " & Amount2: how the abilities dialog lists it.
    std::string AbilityText() const;
};

// The kind text of an object kind code (1 Star, 2 Warp, 3 Storm, 4 Planet,
// 8 Asteroids); empty for any other code.
std::string KindTextOfCode(std::int32_t code);
// The object kind a group name gives ("Unknown" for names outside the six).
std::string ObjectKindOfGroup(const std::string& groupName);

// The catalogue of "StellarAbilityTypes.txt", in file order.
class AbilityCatalog : public EntryList<AbilityDefinition> {
public:
    inline static const char* FileName = "StellarAbilityTypes.txt";

    // Rebuilds the catalogue. A failure is reported with
    // "The 'StellarAbilitiesTypes.txt' path is incorrect" and returns false;
    // the entries completed so far stay. A file that cannot be opened leaves
    // the previous catalogue unchanged. Abilities of one kind that differ but
    // share a text are reported once; the file still counts as read.
    bool ParseStellarAbilityTypes(const std::filesystem::path& file, Reporter& reporter);

    // Entries whose ObjectKind is the kind of the code, in catalogue order.
    std::vector<AbilityDefinition> AbilitiesOfKind(std::int32_t kindCode) const;
    // Entries whose GroupName equals the name, each copy with ObjectKind empty.
    std::vector<AbilityDefinition> AbilitiesOfGroup(const std::string& groupName) const;

    // The first ability of the kind whose AbilityText is exactly the text, its
    // ID the index in its group. When none matches (also for a malformed text)
    // the result has Description "NO"; a non-empty text is then reported as
    // "There's no ability '<text>' for that object".
    CAbility AbilityFromText(std::int32_t kindCode, const std::string& abilityText, Reporter& reporter) const;
};
