// Any bytes as "rules.dat": names are generated from it quickly, and none is
// longer than a name may be.
#include "FuzzSupport.h"
#include "model/RandomSource.h"
#include "random/NameGenerator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteFile(NameRulesFileName, fuzz::Text(data, size));
    const std::vector<std::string> rules = ReadNameRules(fuzz::Folder());
    RandomSource random(size);
    for (int k = 0; k < 8; ++k) fuzz::Check(GenerateNameFromRules(rules, random).size() <= MaxGeneratedNameLength);
    return 0;
}
