#include "cli/ValidateCommand.h"

#include <ostream>

#include "cli/CliOptions.h"
#include "cli/JsonWriter.h"
#include "cli/LoadedMap.h"
#include "mapfile/MapValidator.h"

namespace {

// "error: Vega: Warp Point at 5, 0 leads to ... [warp-destination-missing]";
// the object is named in the message itself.
void PrintLines(std::ostream& out, const std::vector<MapProblem>& problems) {
    for (const MapProblem& p : problems)
        out << SeverityWord(p.severity) << ": " << p.systemName << ": " << p.message << " [" << p.code << "]\n";
    out << CountsLine(CountProblems(problems)) << "\n";
}

// An object ID only where the problem has an object.
void PrintJson(std::ostream& out, const std::vector<MapProblem>& problems) {
    JsonWriter json(out);
    json.BeginArray();
    for (const MapProblem& p : problems) {
        json.BeginObject();
        json.Key("severity");
        json.String(SeverityWord(p.severity));
        json.Key("code");
        json.String(p.code);
        json.Key("system");
        json.String(p.systemName);
        json.Key("systemId");
        json.Number(p.systemId);
        if (p.objectId != NoID) {
            json.Key("objectId");
            json.Number(p.objectId);
        }
        json.Key("message");
        json.String(p.message);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

int RunValidateCommand(const CliContext& context) {
    const ParsedArgs parsed = ParseArgs({context.args.begin() + 1, context.args.end()}, {}, {"--json"});
    if (!parsed.error.empty()) {
        context.err << parsed.error << "\n";
        return ExitRefused;
    }
    LoadedMap loaded = LoadMapForCommand(context, context.args[0]);
    if (!loaded.map.Ok()) {
        context.err << loaded.map.error << "\n";
        return ExitFailed;
    }
    ValidationOptions options =
        ValidationOptionsFor(context.folders.Program, loaded.data->Config.AllowsMultipleObjects());
    if (!loaded.catalogueRead) {
        options.checkStellarTypes = false;
        context.err << "warning: no stellar catalogue; stellar types are not checked\n";
    }
    const std::vector<MapProblem> problems = ValidateMap(*loaded.map.universe, loaded.data->Stellar, options);
    if (parsed.Flag("--json"))
        PrintJson(context.out, problems);
    else
        PrintLines(context.out, problems);
    return CountProblems(problems).errors > 0 ? ExitFailed : ExitOk;
}
