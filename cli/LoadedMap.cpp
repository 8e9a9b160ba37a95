#include "cli/LoadedMap.h"

#include <algorithm>

#include "cli/StreamReporter.h"
#include "model/RandomSource.h"
#include "random/StartUp.h"

LoadedMap LoadMapForCommand(const CliContext& context, const std::string& mapFile) {
    LoadedMap loaded;
    StreamReporter reporter(context.err);
    RandomSource random;
    const StartUpResult started =
        StartUp(context.folders.Program, context.folders.User, *loaded.data, random, 1, reporter);
    const auto& failed = started.FailedFiles;
    loaded.catalogueRead = std::find(failed.begin(), failed.end(), SettingsFileName) == failed.end() &&
                           std::find(failed.begin(), failed.end(), StellarCatalog::FileName) == failed.end();
    loaded.map = LoadMapText(mapFile, loaded.data->Stellar);
    return loaded;
}
