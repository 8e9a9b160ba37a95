#include "cli/RandomCommands.h"

#include "random/StartUp.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "model/RandomSource.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/StreamReporter.h"
#include "random/RandomChecks.h"
#include "random/RandomMap.h"
#include "random/SystemPopulation.h"

#include <optional>
#include <ostream>

namespace {

int Refuse(std::ostream& err, const std::string& message) {
    err << message << '\n';
    return ExitRefused;
}

int WriteMap(const CUniverse& universe, const GameData& data, const std::filesystem::path& file, std::ostream& out,
             std::ostream& err) {
    const TxtBlock map = GenerateMapTxt(universe, data.Stellar, data.ProgramFolder);
    std::string error = map.error;
    if (error.empty()) error = WriteTextFileSafely(file, map.Lines());
    if (!error.empty()) {
        err << error << '\n';
        return ExitFailed;
    }
    out << "Wrote " << universe.NSistemas() << " systems and " << universe.NObjetosU() << " objects to "
        << file.string() << '\n';
    return ExitOk;
}

struct Session {
    GameData data;
    RandomSource random;
};

// Reads the program folder as the editor does at start-up: a file that fails
// has been reported on err, and the run goes on with what could be read (the
// checks of the request catch a missing quadrant or system type).
void StartSession(const ProgramFolders& folders, std::uint64_t seed, Session& session, Reporter& reporter) {
    StartUp(folders.Program, folders.User, session.data, session.random, seed, reporter);
}

std::optional<std::pair<std::int32_t, std::int32_t>> ParseCell(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto X = ParseInt32(text.substr(0, comma));
    const auto Y = ParseInt32(text.substr(comma + 1));
    if (!X || !Y) return std::nullopt;
    return std::make_pair(*X, *Y);
}

std::string CellRangeMessage(std::int32_t X, std::int32_t Y) {
    if (X < 0 || X >= GalaxyColumns) return "The System X must be in range (x<68,y<50)";
    if (Y < 0 || Y >= GalaxyRows) return "The System Y must be in range (0<=x<68,0<=y<50)";
    return "";
}

std::optional<CUniverse> StartingMap(const ParsedArgs& parsed, const GameData& data, std::ostream& err) {
    if (!parsed.Has("--map")) return CUniverse{};
    LoadResult loaded = LoadMapText(parsed.Value("--map"), data.Stellar);
    if (!loaded.Ok()) {
        err << loaded.error << '\n';
        return std::nullopt;
    }
    return std::move(loaded.universe);
}

}  // namespace

int RunRandomMapCommand(const ProgramFolders& folders, const std::vector<std::string>& args,
                        std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, {"--quadrant", "--systems", "--shape", "--seed", "-o"},
                                        {"--progress", "--multiple"});
    if (!parsed.error.empty()) return Refuse(err, parsed.error);
    if (!parsed.Has("-o")) return Refuse(err, "Missing -o OUT.txt");
    const std::optional<std::uint64_t> seed = SeedOf(parsed);
    if (!seed) return Refuse(err, BadSeedText);

    StreamReporter reporter(err);
    Session session;
    StartSession(folders, *seed, session, reporter);
    const std::string quadrant = parsed.Value("--quadrant"), shape = parsed.Value("--shape");
    const std::string message = CheckRandomMapRequest(session.data, quadrant, parsed.Value("--systems"), shape);
    if (!message.empty()) return Refuse(err, message);

    CUniverse universe;
    GenerationContext context = MakeGenerationContext(universe, session.data, session.random, reporter);
    context.multipleObjects |= parsed.Flag("--multiple");
    if (parsed.Flag("--progress")) context.progress.status = [&err](const std::string& text) { err << text << '\n'; };
    RandomMapGenerator generator;
    generator.GenerateRandomMap(context, quadrant, *RandomSystemsNumber(parsed.Value("--systems")), shape);
    return WriteMap(universe, session.data, parsed.Value("-o"), out, err);
}

int RunRandomSystemCommand(const ProgramFolders& folders, const std::vector<std::string>& args,
                           std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, {"--type", "--at", "--name", "--map", "--seed", "-o"}, {"--multiple"});
    if (!parsed.error.empty()) return Refuse(err, parsed.error);
    if (!parsed.Has("-o")) return Refuse(err, "Missing -o OUT.txt");
    const auto cell = ParseCell(parsed.Value("--at"));
    if (!cell) return Refuse(err, "--at needs the galaxy cell as X,Y");
    const std::optional<std::uint64_t> seed = SeedOf(parsed);
    if (!seed) return Refuse(err, BadSeedText);
    const auto [X, Y] = *cell;
    if (const std::string range = CellRangeMessage(X, Y); !range.empty()) return Refuse(err, range);

    StreamReporter reporter(err);
    Session session;
    StartSession(folders, *seed, session, reporter);
    std::optional<CUniverse> universe = StartingMap(parsed, session.data, err);
    if (!universe) return ExitFailed;
    if (universe->GetOccupied(X, Y)) return Refuse(err, "There's a system in that coordinates yet");
    const std::string type = parsed.Value("--type");
    if (const std::string message = CheckSystemTypeChoice(session.data, type); !message.empty())
        return Refuse(err, message);

    GenerationContext context = MakeGenerationContext(*universe, session.data, session.random, reporter);
    context.multipleObjects |= parsed.Flag("--multiple");
    GenerateRandomSystem(context, type, X, Y, parsed.Value("--name"));
    return WriteMap(*universe, session.data, parsed.Value("-o"), out, err);
}
