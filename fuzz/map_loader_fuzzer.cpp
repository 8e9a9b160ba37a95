// Any bytes given to the txt map loader: it must fail cleanly or load, and
// whatever it loaded must write out and load back to the very same text.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"

namespace {

const std::filesystem::path& ProgramFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("diz_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::ofstream(path / BlackHoleTemplateName, std::ios::binary) << "Number of Black Hole Clouds := 0\r\nx\r\n";
        return path;
    }();
    return folder;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool strict : {false, true}) {
        OpenTypeNames names;
        LoadResult loaded = LoadMapTextFromMemory(text, "fuzz.txt", names, LoadOptions{strict, strict, strict});
        Check(loaded.Ok() != !loaded.error.empty());
        if (!loaded.Ok()) continue;
        TxtBlock written = GenerateMapTxt(*loaded.universe, names, ProgramFolder());
        if (!written.error.empty()) continue;
        LoadResult again = LoadMapTextFromMemory(written.text, "again.txt", names, LoadOptions{true, false});
        Check(again.Ok());
        Check(again.danglingWarps == loaded.danglingWarps);
        Check(GenerateMapTxt(*again.universe, names, ProgramFolder()).text == written.text);
    }
    return 0;
}
