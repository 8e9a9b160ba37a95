#include "cli/RandomCommands.h"

#include "random/StartUp.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "model/RandomSource.h"
#include "cli/StreamReporter.h"
#include "random/RandomChecks.h"
#include "random/RandomMap.h"
#include "random/SystemPopulation.h"

#include <algorithm>
#include <chrono>
#include <charconv>
#include <map>
#include <optional>
#include <ostream>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitRefused = 2;

// Options with a value ("--quadrant NAME") and bare flags ("--progress").
struct ParsedArgs {
    std::map<std::string, std::string> values;
    std::map<std::string, bool> flags;
    std::string error;

    std::string Value(const std::string& key) const {
        auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    }
    bool Has(const std::string& key) const { return values.count(key) != 0; }
    bool Flag(const std::string& key) const { return flags.count(key) != 0; }
};

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueKeys,
                     const std::vector<std::string>& flagKeys) {
    ParsedArgs parsed;
    auto isIn = [](const std::vector<std::string>& keys, const std::string& key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& key = args[i];
        if (isIn(flagKeys, key)) {
            parsed.flags[key] = true;
        } else if (isIn(valueKeys, key) && i + 1 < args.size()) {
            parsed.values[key] = args[++i];
        } else {
            parsed.error = isIn(valueKeys, key) ? "Missing value after " + key : "Unknown option " + key;
            return parsed;
        }
    }
    return parsed;
}

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    std::uint64_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return seed;
}

// The given seed, or one from the clock so that unseeded runs differ.
std::optional<std::uint64_t> SeedOf(const ParsedArgs& parsed) {
    if (!parsed.Has("--seed"))
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return ParseSeed(parsed.Value("--seed"));
}

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
        return ExitFailure;
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
void StartSession(const std::filesystem::path& programFolder, std::uint64_t seed, Session& session,
                  Reporter& reporter) {
    StartUp(programFolder, session.data, session.random, seed, reporter);
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

int RunRandomMapCommand(const std::filesystem::path& programFolder, const std::vector<std::string>& args,
                        std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, {"--quadrant", "--systems", "--shape", "--seed", "-o"},
                                        {"--progress", "--multiple"});
    if (!parsed.error.empty()) return Refuse(err, parsed.error);
    if (!parsed.Has("-o")) return Refuse(err, "Missing -o OUT.txt");
    const std::optional<std::uint64_t> seed = SeedOf(parsed);
    if (!seed) return Refuse(err, "The seed must be a whole number from 0 to 18446744073709551615");

    StreamReporter reporter(err);
    Session session;
    StartSession(programFolder, *seed, session, reporter);
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

int RunRandomSystemCommand(const std::filesystem::path& programFolder, const std::vector<std::string>& args,
                           std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, {"--type", "--at", "--name", "--map", "--seed", "-o"}, {"--multiple"});
    if (!parsed.error.empty()) return Refuse(err, parsed.error);
    if (!parsed.Has("-o")) return Refuse(err, "Missing -o OUT.txt");
    const auto cell = ParseCell(parsed.Value("--at"));
    if (!cell) return Refuse(err, "--at needs the galaxy cell as X,Y");
    const std::optional<std::uint64_t> seed = SeedOf(parsed);
    if (!seed) return Refuse(err, "The seed must be a whole number from 0 to 18446744073709551615");
    const auto [X, Y] = *cell;
    if (const std::string range = CellRangeMessage(X, Y); !range.empty()) return Refuse(err, range);

    StreamReporter reporter(err);
    Session session;
    StartSession(programFolder, *seed, session, reporter);
    std::optional<CUniverse> universe = StartingMap(parsed, session.data, err);
    if (!universe) return ExitFailure;
    if (universe->GetOccupied(X, Y)) return Refuse(err, "There's a system in that coordinates yet");
    const std::string type = parsed.Value("--type");
    if (const std::string message = CheckSystemTypeChoice(session.data, type); !message.empty())
        return Refuse(err, message);

    GenerationContext context = MakeGenerationContext(*universe, session.data, session.random, reporter);
    context.multipleObjects |= parsed.Flag("--multiple");
    GenerateRandomSystem(context, type, X, Y, parsed.Value("--name"));
    return WriteMap(*universe, session.data, parsed.Value("-o"), out, err);
}
