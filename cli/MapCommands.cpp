#include "cli/MapCommands.h"

#include <ostream>

#include "catalog/Settings.h"
#include "catalog/StellarCatalog.h"
#include "mapfile/CompiledMap.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "text/TextHelpers.h"
#include "cli/StreamReporter.h"

namespace {

// The stellar catalogue of the data folder named in the user folder's
// settings file; false (reported) when it could not be read.
bool ReadCatalogue(const CliContext& context, StellarCatalog& catalogue) {
    StreamReporter reporter(context.err);
    Settings settings;
    if (!LoadSettings(context.folders.User, settings, reporter)) return false;
    const auto file = ResolveFolder(context.folders.User, settings.DataDirectory) / StellarCatalog::FileName;
    return catalogue.ParseStellarObjectTypes(file, reporter);
}

std::int32_t CountKind(const CUniverse& universe, std::uint8_t kind) {
    std::int32_t count = 0;
    for (const auto& object : universe.Objects()) count += object->Tipo == kind ? 1 : 0;
    return count;
}

std::int32_t CountUnknownTypes(const CUniverse& universe) {
    std::int32_t count = 0;
    for (const auto& object : universe.Objects()) count += object->StellarObjectType == 0 ? 1 : 0;
    return count;
}

// Writes the message as a line of its own; the exit code of a failed command.
int Failed(const CliContext& context, const std::string& message) {
    context.err << message << '\n';
    return 1;
}

}  // namespace

int RunCheckCommand(const CliContext& context) {
    StellarCatalog catalogue;
    if (!ReadCatalogue(context, catalogue)) context.err << "warning: checking without the stellar catalogue\n";
    LoadResult loaded = LoadMapText(context.args[0], catalogue);
    if (!loaded.Ok()) return Failed(context, loaded.error);
    const CUniverse& u = *loaded.universe;
    context.out << u.NSistemas() << " systems, " << u.NObjetosU() << " objects, " << CountKind(u, KindWarpPoint)
                << " warp points, " << loaded.danglingWarps << " dangling warps\n";
    return 0;
}

int RunRoundtripCommand(const CliContext& context) {
    StellarCatalog catalogue;
    if (!ReadCatalogue(context, catalogue))
        return Failed(context, "the stellar catalogue is needed to write type names back");
    LoadResult loaded = LoadMapText(context.args[0], catalogue);
    if (!loaded.Ok()) return Failed(context, loaded.error);
    if (const std::int32_t unknown = CountUnknownTypes(*loaded.universe); unknown > 0)
        context.err << "warning: " << unknown << " objects have a stellar object name the catalogue does not know; "
                    << "it is written empty\n";
    TxtBlock map = GenerateMapTxt(*loaded.universe, catalogue, context.folders.Program);
    const std::string error = map.error.empty() ? WriteTextContentSafely(context.args[1], map.text) : map.error;
    return error.empty() ? 0 : Failed(context, error);
}

int RunCompileCommand(const CliContext& context) {
    const std::filesystem::path txt = context.args[0];
    const std::string error = CompileMapFile(std::filesystem::absolute(txt).parent_path(), txt.filename().string(),
                                             context.args.size() > 1 ? context.args[1] : std::string());
    return error.empty() ? 0 : Failed(context, error);
}
