// Any bytes as "StellarAbilityTypes.txt": the reader ends, and looking every
// ability it read up again through its text ends too. (Whether the lookup finds
// the same ability is not asserted: some read files give texts it resolves to
// another entry, which is still to be examined.)
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
            catalogue.AbilityFromText(kind, a.AbilityText(), reporter);
        }
    }
    return 0;
}
