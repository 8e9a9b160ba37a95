// Fuzzed data files (quadrant types, system types, names, abilities, object
// types and name rules, cut at lines "%%") drive a random map generation:
// it must end, and the map must save and load back as the map compiler
// checks it.
#include "FuzzSupport.h"
#include "random/GameData.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/NameGenerator.h"
#include "random/RandomMap.h"

namespace {

void WriteBlackHoleTemplate() {
    static const bool written = [] {
        std::string lines;
        for (int k = 1; k <= 31; ++k) lines += "Black Hole Cloud Line " + std::to_string(k) + "\r\n";
        fuzz::WriteFile(BlackHoleTemplateName, lines);
        return true;
    }();
    (void)written;
}

void ReadData(GameData& data, const std::vector<std::string_view>& parts, Reporter& reporter) {
    const auto& folder = fuzz::Folder();
    data.ProgramFolder = folder;
    data.QuadrantTypes.LoadQuadrantTypes(fuzz::WriteFile("QuadrantTypes.txt", parts[0]), reporter);
    const auto types = fuzz::WriteFile("SystemTypes.txt", parts[1]);
    data.SystemTypes.ParseSystemTypes(types, reporter);
    data.RandomSystemTypes.LoadRandomSystemTypes(types, reporter);
    data.ChanceTypes.LoadChanceTypes(types, reporter);
    data.SystemNames.LoadSystemNames(fuzz::WriteFile("SystemNames.txt", parts[2]), reporter);
    data.Abilities.ParseStellarAbilityTypes(fuzz::WriteFile("StellarAbilityTypes.txt", parts[3]), reporter);
    data.Stellar.ParseStellarObjectTypes(fuzz::WriteFile("StellarObjectTypes.txt", parts[4]), reporter);
    fuzz::WriteFile(NameRulesFileName, parts[5]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteBlackHoleTemplate();
    GameData game;
    SilentReporter reporter;
    ReadData(game, fuzz::Sections(fuzz::Text(data, size), 6), reporter);
    const char* const shapes[4] = {"Random", "Spiral", "Grid", "Islands"};
    const std::int32_t systems = 1 + static_cast<std::int32_t>(size % 24);
    const std::string quadrant = game.QuadrantTypes.Types().empty() ? "" : game.QuadrantTypes.Types()[0].Name;
    CUniverse universe;
    RandomSource random(size);
    GenerationContext context{universe, game, random, reporter, (size & 64) != 0, {}};
    RandomMapGenerator().GenerateRandomMap(context, quadrant, systems, shapes[(size / 24) % 4]);

    const TxtBlock map = GenerateMapTxt(universe, game.Stellar, game.ProgramFolder);
    fuzz::Check(map.error.empty());
    const LoadResult loaded = LoadMapTextFromMemory(map.text, "random.txt", game.Stellar, LoadOptions{true, true});
    fuzz::Check(loaded.Ok());
    fuzz::Check(loaded.universe->NSistemas() == universe.NSistemas());
    fuzz::Check(loaded.universe->NObjetosU() == universe.NObjetosU());
    return 0;
}
