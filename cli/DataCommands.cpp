#include "cli/DataCommands.h"

#include <ostream>

#include "cli/CliOptions.h"
#include "cli/DataReport.h"
#include "cli/JsonWriter.h"
#include "cli/StreamReporter.h"
#include "model/RandomSource.h"
#include "random/StartUp.h"
#include "text/TextHelpers.h"

namespace {

// The catalogue only needs the files; a fixed seed keeps the runs the same.
constexpr std::uint64_t CommandSeed = 1;

StartUpResult ReadGameData(const ProgramFolders& folders, GameData& data, std::ostream& err) {
    StreamReporter reporter(err);
    RandomSource random;
    return StartUp(folders.Program, folders.User, data, random, CommandSeed, reporter);
}

// "Map Compiler: ..." and "Map Folder: ..." share one label in the window,
// split by a carriage return.
std::vector<std::string> PathLines(const StatusTexts& status) { return SplitAt(status.lblPaths, '\r'); }

void PrintNames(const char* title, const std::vector<std::string>& names, std::ostream& out) {
    out << title << ": " << names.size() << '\n';
    for (const std::string& name : names) out << "  " << name << '\n';
}

std::string GroupLabel(const DataReport::AbilityGroup& group) {
    if (group.name.empty()) return "(a group of unknown kind)";
    return group.name + " (" + group.kind + ")";
}

void PrintText(const DataReport& report, std::ostream& out) {
    out << report.status.LblUsingParse << '\n';
    for (const std::string& line : PathLines(report.status)) out << line << '\n';
    out << report.status.lblAllow << '\n' << "Mod Selected: " << report.status.lblMod << "\n\n";
    out << "Data folder: " << report.dataFolder << '\n';
    out << "Stellar object types: " << report.stellarObjectTypes << '\n';
    for (const auto& [kind, count] : report.entriesPerKind) out << "  " << kind << ": " << count << '\n';
    out << "Abilities: " << report.abilities << '\n';
    for (const auto& group : report.abilityGroups) out << "  " << GroupLabel(group) << ": " << group.abilities << '\n';
    out << "System names: " << report.systemNames << '\n';
    PrintNames("Quadrant types", report.quadrantTypes, out);
    PrintNames("System types", report.systemTypes, out);
    PrintNames("Chance types", report.chanceTypes, out);
    out << "System portraits: " << report.portraits << '\n'
        << "Stellar backgrounds: " << report.stellarBackgrounds << '\n'
        << "Atmospheres: " << report.atmospheres << '\n';
    PrintNames("Files that failed", report.failedFiles, out);
}

void JsonNames(JsonWriter& json, const char* key, const std::vector<std::string>& names) {
    json.Key(key);
    json.BeginArray();
    for (const std::string& name : names) json.String(name);
    json.EndArray();
}

void JsonStatus(JsonWriter& json, const StatusTexts& status) {
    const std::vector<std::string> paths = PathLines(status);
    json.Key("status");
    json.BeginObject();
    json.Key("usingFiles");
    json.String(status.LblUsingParse);
    json.Key("paths");
    json.BeginArray();
    for (const std::string& line : paths) json.String(line);
    json.EndArray();
    json.Key("allowMultipleObjects");
    json.String(status.lblAllow);
    json.Key("modSelected");
    json.String(status.lblMod);
    json.EndObject();
}

void JsonCatalogues(JsonWriter& json, const DataReport& report) {
    json.Key("stellarObjectTypes");
    json.BeginObject();
    json.Key("total");
    json.Number(static_cast<std::int64_t>(report.stellarObjectTypes));
    for (const auto& [kind, count] : report.entriesPerKind) {
        json.Key(kind);
        json.Number(static_cast<std::int64_t>(count));
    }
    json.EndObject();
    json.Key("abilities");
    json.BeginObject();
    json.Key("total");
    json.Number(static_cast<std::int64_t>(report.abilities));
    json.Key("groups");
    json.BeginArray();
    for (const auto& group : report.abilityGroups) {
        json.BeginObject();
        json.Key("name");
        json.String(group.name);
        json.Key("kind");
        json.String(group.kind);
        json.Key("abilities");
        json.Number(static_cast<std::int64_t>(group.abilities));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void PrintJson(const DataReport& report, std::ostream& out) {
    JsonWriter json(out);
    json.BeginObject();
    JsonStatus(json, report.status);
    json.Key("dataFolder");
    json.String(report.dataFolder);
    JsonCatalogues(json, report);
    const std::pair<const char*, std::size_t> counts[] = {{"systemNames", report.systemNames},
                                                          {"portraits", report.portraits},
                                                          {"stellarBackgrounds", report.stellarBackgrounds},
                                                          {"atmospheres", report.atmospheres}};
    for (const auto& [key, count] : counts) {
        json.Key(key);
        json.Number(static_cast<std::int64_t>(count));
    }
    JsonNames(json, "quadrantTypes", report.quadrantTypes);
    JsonNames(json, "systemTypes", report.systemTypes);
    JsonNames(json, "chanceTypes", report.chanceTypes);
    JsonNames(json, "failedFiles", report.failedFiles);
    json.EndObject();
}

}  // namespace

int RunDataCommand(const CliContext& context) {
    const ParsedArgs parsed = ParseArgs(context.args, {}, {"--json"});
    if (!parsed.error.empty()) {
        context.err << parsed.error << '\n';
        return ExitRefused;
    }
    GameData data;
    const StartUpResult result = ReadGameData(context.folders, data, context.err);
    const DataReport report = MakeDataReport(data, result);
    if (parsed.Flag("--json"))
        PrintJson(report, context.out);
    else
        PrintText(report, context.out);
    return result.AllFilesRead() ? ExitOk : ExitFailed;
}

int RunCatalogCommand(const CliContext& context) {
    GameData data;
    const StartUpResult result = ReadGameData(context.folders, data, context.err);
    for (const StellarTypeEntry& e : data.Stellar.Entries())
        context.out << e.Ordinal << '\t' << e.Name << '\t' << e.PhysicalType << '\t' << e.Size << '\t' << e.SubType
                    << '\t' << e.Atmosphere << '\t' << e.Colour << '\t' << e.PictureFile << '\n';
    for (const std::string& file : result.FailedFiles)
        if (file == StellarCatalog::FileName) return ExitFailed;
    return ExitOk;
}
