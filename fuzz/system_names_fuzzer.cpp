// Any bytes as "SystemNames.txt": every name handed out for a map is a
// name (not blank) and none is handed out twice.
#include <set>

#include "FuzzSupport.h"
#include "text/TextHelpers.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/SystemNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("SystemNames.txt", fuzz::Text(data, size));
    SystemNamePool pool;
    SilentReporter reporter;
    pool.LoadSystemNames(file, reporter);
    RandomSource random(size);
    pool.ResetSystemNames();
    std::set<std::string> seen;
    const std::size_t wanted = pool.Entries().size() + 5;
    for (std::size_t i = 0; i < wanted && i < 300; ++i) {
        const std::string name = Trim(pool.PickSystemName(random, fuzz::Folder() / "no-rules"));
        fuzz::Check(!name.empty());
        fuzz::Check(seen.insert(name).second);
    }
    return 0;
}
