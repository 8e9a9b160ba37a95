#include "cli/DataCommands.h"

#include <ostream>

#include "random/StartUp.h"
#include "model/RandomSource.h"
#include "cli/StreamReporter.h"

namespace {

// The catalogue only needs the files; a fixed seed keeps the runs the same.
constexpr std::uint64_t CommandSeed = 1;

StartUpResult ReadGameData(const std::filesystem::path& programFolder, GameData& data, std::ostream& err) {
    StreamReporter reporter(err);
    RandomSource random;
    return StartUp(programFolder, data, random, CommandSeed, reporter);
}

void PrintCounts(const GameData& data, const StartUpResult& result, std::ostream& out) {
    out << "Data folder: " << data.DataFolder().string() << '\n'
        << "Mod name: " << data.Config.ModName << '\n'
        << "Stellar object types: " << data.Stellar.Entries().size() << '\n'
        << "Abilities: " << data.Abilities.Entries().size() << '\n'
        << "System portraits: " << data.SystemTypes.Portraits().size() << '\n'
        << "Stellar backgrounds: " << data.SystemTypes.StellarBackgrounds().size() << '\n'
        << "Atmospheres: " << data.SystemTypes.Atmospheres().size() << '\n'
        << "System names: " << data.SystemNames.Entries().size() << '\n'
        << "Quadrant types: " << data.QuadrantTypes.Types().size() << '\n'
        << "Random system types: " << data.RandomSystemTypes.Types().size() << '\n'
        << "Chance types: " << data.ChanceTypes.Types().size() << '\n'
        << "Files that failed: " << result.FailedFiles.size() << '\n';
}

}  // namespace

int RunDataCommand(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err) {
    GameData data;
    const StartUpResult result = ReadGameData(programFolder, data, err);
    PrintCounts(data, result, out);
    return result.AllFilesRead() ? 0 : 1;
}

int RunCatalogCommand(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err) {
    GameData data;
    const StartUpResult result = ReadGameData(programFolder, data, err);
    for (const StellarTypeEntry& e : data.Stellar.Entries())
        out << e.Ordinal << '\t' << e.Name << '\t' << e.PhysicalType << '\t' << e.Size << '\t' << e.SubType << '\t'
            << e.Atmosphere << '\t' << e.Colour << '\t' << e.PictureFile << '\n';
    for (const std::string& file : result.FailedFiles)
        if (file == StellarCatalog::FileName) return 1;
    return 0;
}
