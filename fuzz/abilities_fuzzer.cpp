// Any bytes as "StellarAbilityTypes.txt": the reader ends, and every ability
// it read is found again through its text. The editor knows an ability only
// by that text, so the lookup must give the first ability of the kind with
// exactly that text: the ability itself, or an earlier one that shares its
// text (a repeat, or a "/" inside a type or amount), which the reader reports.
#include "FuzzSupport.h"
#include "catalog/AbilityCatalog.h"
#include "text/Reporter.h"

#include <unordered_map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("StellarAbilityTypes.txt", fuzz::Text(data, size));
    AbilityCatalog catalogue;
    SilentReporter reporter;
    catalogue.ParseStellarAbilityTypes(file, reporter);
    for (std::int32_t kind : {1, 2, 3, 4, 8}) {
        const std::vector<AbilityDefinition> abilities = catalogue.AbilitiesOfKind(kind);
        std::unordered_map<std::string, const AbilityDefinition*> firstWithText;
        for (const AbilityDefinition& a : abilities) firstWithText.try_emplace(a.AbilityText(), &a);
        for (const AbilityDefinition& a : abilities) {
            const std::string text = a.AbilityText();
            const AbilityDefinition& first = *firstWithText.at(text);
            CAbility expected = first;
            expected.ID = static_cast<std::uint8_t>(first.IndexInGroup);
            fuzz::Check(catalogue.AbilityFromText(kind, text, reporter) == expected);
        }
    }
    return 0;
}
