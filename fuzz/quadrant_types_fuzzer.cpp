// Any bytes as "QuadrantTypes.txt": the reader ends and a system type can be
// drawn from every quadrant type it read.
#include "FuzzSupport.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/QuadrantTypes.h"
#include "random/RandomMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("QuadrantTypes.txt", fuzz::Text(data, size));
    QuadrantTypeTable table;
    SilentReporter reporter;
    table.LoadQuadrantTypes(file, reporter);
    RandomSource random(7);
    for (const QuadrantType& quadrant : table.Types()) {
        fuzz::Check(table.FindQuadrantType(quadrant.Name).Name == quadrant.Name);
        for (int k = 0; k < 4; ++k) DrawSystemTypeName(quadrant, random);
    }
    return 0;
}
