// Any bytes as "StellarObjectTypes.txt": the parser must end without fault and
// leave a catalogue every lookup can walk.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "catalog/StellarCatalog.h"
#include "text/Reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("diz_fuzz_catalog_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    StellarCatalog catalogue;
    SilentReporter reporter;
    catalogue.ParseStellarObjectTypes(file, reporter);
    for (const auto& entry : catalogue.Entries()) {
        if (catalogue.OrdinalOfTypeName(entry.Name) == 0 && entry.Ordinal != 0) __builtin_trap();
        catalogue.PictureOfOrdinal(entry.Ordinal);
        catalogue.StarTypesOf(entry.Colour, entry.Size);
        catalogue.PlanetTypesOf(entry.Size, entry.SubType, entry.Atmosphere);
    }
    catalogue.TypeNameOfOrdinal(-1);
    catalogue.WarpTypesOf("Small");
    return 0;
}
