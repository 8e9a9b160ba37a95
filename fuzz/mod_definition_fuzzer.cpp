// Any bytes as "Mod_Definition.txt": the reader ends; a mod name it reports
// is one line's text, never more.
#include "FuzzSupport.h"
#include "catalog/ModDefinition.h"
#include "text/Reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteFile("Mod_Definition.txt", fuzz::Text(data, size));
    std::string modName;
    SilentReporter reporter;
    ReadModName(file, modName, reporter);
    fuzz::Check(modName.find('\n') == std::string::npos && modName.size() <= size);
    return 0;
}
