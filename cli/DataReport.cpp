#include "cli/DataReport.h"

#include <algorithm>

namespace {

// The physical types of the catalogue as the data command names them.
const std::pair<const char*, const char*> KnownKinds[] = {
    {"Star", "Stars"}, {"Planet", "Planets"}, {"Asteroids", "Asteroids"}, {"Storm", "Storms"}, {"Warp", "Warp points"}};

std::vector<std::pair<std::string, std::size_t>> CountKinds(const StellarCatalog& catalogue) {
    std::vector<std::pair<std::string, std::size_t>> counts;
    for (const auto& [physicalType, label] : KnownKinds) counts.emplace_back(label, 0);
    for (const StellarTypeEntry& entry : catalogue.Entries()) {
        const auto known = std::find_if(std::begin(KnownKinds), std::end(KnownKinds),
                                        [&](const auto& kind) { return entry.PhysicalType == kind.first; });
        const std::string label = known != std::end(KnownKinds) ? known->second : entry.PhysicalType;
        auto counted = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == label; });
        if (counted == counts.end()) counted = counts.insert(counts.end(), {label, 0});
        ++counted->second;
    }
    return counts;
}

// A group starts again at its first ability.
std::vector<DataReport::AbilityGroup> GroupAbilities(const AbilityCatalog& catalogue) {
    std::vector<DataReport::AbilityGroup> groups;
    for (const AbilityDefinition& a : catalogue.Entries()) {
        if (groups.empty() || a.IndexInGroup == 1) groups.push_back({a.GroupName, a.ObjectKind, 0});
        ++groups.back().abilities;
    }
    return groups;
}

template <typename Table>
std::vector<std::string> NamesOf(const Table& table) {
    std::vector<std::string> names;
    for (const auto& entry : table.Types()) names.push_back(entry.Name);
    return names;
}

}  // namespace

DataReport MakeDataReport(const GameData& data, const StartUpResult& startUp) {
    DataReport report;
    report.status = startUp.Status;
    report.dataFolder = data.DataFolder().string();
    report.failedFiles = startUp.FailedFiles;
    report.stellarObjectTypes = data.Stellar.Entries().size();
    report.entriesPerKind = CountKinds(data.Stellar);
    report.abilities = data.Abilities.Entries().size();
    report.abilityGroups = GroupAbilities(data.Abilities);
    report.systemNames = data.SystemNames.Entries().size();
    report.quadrantTypes = NamesOf(data.QuadrantTypes);
    report.systemTypes = NamesOf(data.RandomSystemTypes);
    report.chanceTypes = NamesOf(data.ChanceTypes);
    report.portraits = data.SystemTypes.Portraits().size();
    report.stellarBackgrounds = data.SystemTypes.StellarBackgrounds().size();
    report.atmospheres = data.SystemTypes.Atmospheres().size();
    return report;
}
