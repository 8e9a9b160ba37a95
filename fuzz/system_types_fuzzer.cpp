// Any bytes as "SystemTypes.txt", read by all three of its readers: the
// catalogue lists, the random system types and the chance types.
#include "FuzzSupport.h"
#include "catalog/SystemTypes.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/ChanceTypes.h"
#include "random/RandomSystemTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("SystemTypes.txt", fuzz::Text(data, size));
    SilentReporter reporter;
    SystemTypeCatalog lists;
    lists.ParseSystemTypes(file, reporter);
    RandomSource random(1);
    lists.RandomBackground(random);
    for (const auto& portrait : lists.PortraitsOfPhysicalType("Normal")) lists.FindPortrait(portrait.PortraitBitmap);
    RandomSystemTypeTable types;
    types.LoadRandomSystemTypes(file, reporter);
    for (const auto& type : types.Types()) fuzz::Check(types.FindRandomSystemType(type.Name).Name == type.Name);
    ChanceTypeTable chances;
    chances.LoadChanceTypes(file, reporter);
    for (const auto& chance : chances.Types()) chances.FindChanceType(chance.Name);
    return 0;
}
