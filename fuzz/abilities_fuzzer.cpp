// Any bytes as "StellarAbilityTypes.txt": the reader ends, and every ability
// it read is found again through its text.
#include "FuzzSupport.h"
#include "catalog/AbilityCatalog.h"
#include "text/Reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("StellarAbilityTypes.txt", fuzz::Text(data, size));
    AbilityCatalog catalogue;
    SilentReporter reporter;
    catalogue.ParseStellarAbilityTypes(file, reporter);
    for (std::int32_t kind : {1, 2, 3, 4, 8}) {
        for (const AbilityDefinition& a : catalogue.AbilitiesOfKind(kind)) {
            const CAbility found = catalogue.AbilityFromText(kind, a.AbilityText(), reporter);
            if (a.Tipe.find('/') == std::string::npos && a.Amount1.find('/') == std::string::npos)
                fuzz::Check(found.Tipe == a.Tipe);
        }
    }
    return 0;
}
