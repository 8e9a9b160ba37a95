// dizizuzuri-cli [--program-dir DIR] COMMAND [ARGS]: the editor's core work
// without its window. Adding a command is one line in the table below.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliContext.h"
#include "cli/DataCommands.h"
#include "cli/MapCommands.h"
#include "cli/NameCommand.h"
#include "cli/RandomCommands.h"
#ifdef DIZ_CLI_RENDER
#include "cli/RenderCommand.h"
#endif
#include "cli/ValidateCommand.h"
#include "folders/UserFolderSeed.h"
#include "mapfile/MapSave.h"

namespace {

const CliCommand Commands[] = {
    {"data", "[--json]", 0, 1, RunDataCommand,
     "reads every data file as the editor does at start-up and shows what they hold"},
    {"catalog", "", 0, 0, RunCatalogCommand, "lists the stellar object catalogue, one entry per line"},
    {"name", "[--count N] [--seed S]", 0, 4, RunNameCommand, "invents system names from the name rules (rules.dat)"},
    {"check", "MAP.txt", 1, 1, RunCheckCommand, "loads a txt map and counts its systems, objects and warp points"},
    {"validate", "MAP.txt [--json]", 1, 2, RunValidateCommand,
     "lists the errors and warnings of a txt map; exit 1 when it has an error"},
#ifdef DIZ_CLI_RENDER
    {"render", "MAP.txt -o OUT.png [--system NAME] [--scale K] [--no-labels]", 3, 8, RunRenderCommand,
     "draws the galaxy (4 x the editor's picture) or one system as PNG, without a display"},
#endif
    {"roundtrip", "IN.txt OUT.txt", 2, 2, RunRoundtripCommand, "loads a txt map and saves it again"},
    {"compile", "MAP.txt [MOD]", 1, 2, RunCompileCommand,
     "checks a txt map as the map compiler does and writes its .map"},
    {"random-map", "--quadrant NAME --systems N --shape SHAPE [--seed S] [--progress] [--multiple] -o OUT.txt", 0,
     64, [](const CliContext& c) { return RunRandomMapCommand(c.folders, c.args, c.out, c.err); },
     "generates a random galaxy"},
    {"random-system", "--type NAME --at X,Y [--name NAME] [--map IN.txt] [--seed S] [--multiple] -o OUT.txt", 0, 64,
     [](const CliContext& c) { return RunRandomSystemCommand(c.folders, c.args, c.out, c.err); },
     "adds one random system to a map"},
};

// The version the editor's window shows.
constexpr const char* Version = DIZ_VERSION;

void ToolUsage(std::ostream& stream) {
    stream << "usage: dizizuzuri-cli [--program-dir DIR] COMMAND [ARGS]\n"
              "       dizizuzuri-cli COMMAND --help\n"
              "       dizizuzuri-cli --help | --version\n"
              "The program folder (DizIzuzuri.ini, rules.dat and the data folder) defaults to the tool's own;\n"
              "installed, the shipped files are read from share/ and the settings from the user's data folder.\n"
              "commands:\n";
    for (const CliCommand& command : Commands) {
        const std::string name = command.name;
        stream << "  " << name << std::string(name.size() < 15 ? 15 - name.size() : 1, ' ')
               << (command.summary ? command.summary : "") << "\n";
    }
    stream << "exit codes: 0 success, 1 failed check, map or data file, 2 bad arguments or refused request\n";
}

void CommandUsage(const CliCommand& command, std::ostream& stream) {
    stream << "usage: dizizuzuri-cli [--program-dir DIR] " << command.name;
    if (*command.usage) stream << ' ' << command.usage;
    stream << '\n';
    if (command.summary && *command.summary) stream << command.summary << '\n';
}

bool AsksForHelp(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(), [](const std::string& w) { return w == "--help" || w == "-h"; });
}

// The folder of the running executable: the default program folder.
std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

// Takes a leading "--program-dir DIR" or "--program-dir=DIR" off the words.
std::optional<std::filesystem::path> TakeProgramFolder(std::vector<std::string>& words) {
    if (!words.empty() && words[0].rfind("--program-dir=", 0) == 0) {
        std::filesystem::path folder = words[0].substr(14);
        words.erase(words.begin());
        return folder;
    }
    if (words.size() >= 2 && words[0] == "--program-dir") {
        std::filesystem::path folder = words[1];
        words.erase(words.begin(), words.begin() + 2);
        return folder;
    }
    return std::nullopt;
}

// A named program folder holds everything, as the build folder does. By
// default: beside the executable in the build folder; installed, the shipped
// files under share/ and the user's files in the user's data folder, which
// the first start seeds. Empty when that folder cannot be made ready (reported).
std::optional<ProgramFolders> ChooseFolders(const std::optional<std::filesystem::path>& named, const char* argv0) {
    if (named) return ProgramFolders{*named, *named};
    const std::filesystem::path executableFolder = ExecutableFolder(argv0);
    const ProgramFolders folders =
        FindProgramFolders(executableFolder, XdgUserFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    if (!folders.Installed) return folders;
    const std::string error = SeedUserFolder(folders, executableFolder / MapCompilerProgramName);
    if (error.empty()) return folders;
    std::cerr << error << '\n';
    return std::nullopt;
}

int Run(std::vector<std::string> words, const char* argv0) {
    const std::optional<std::filesystem::path> programFolder = TakeProgramFolder(words);
    if (words.empty()) {
        ToolUsage(std::cerr);
        return ExitRefused;
    }
    if (words[0] == "--help" || words[0] == "-h") {
        ToolUsage(std::cout);
        return ExitOk;
    }
    if (words[0] == "--version") {
        std::cout << "dizizuzuri-cli " << Version << '\n';
        return ExitOk;
    }
    const auto command = std::find_if(std::begin(Commands), std::end(Commands),
                                      [&](const CliCommand& c) { return words[0] == c.name; });
    if (command == std::end(Commands)) {
        std::cerr << "Unknown command " << words[0] << "\n";
        ToolUsage(std::cerr);
        return ExitRefused;
    }
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (AsksForHelp(args)) {
        CommandUsage(*command, std::cout);
        return ExitOk;
    }
    if (args.size() < command->minArgs || args.size() > command->maxArgs) {
        CommandUsage(*command, std::cerr);
        return ExitRefused;
    }
    const std::optional<ProgramFolders> folders = ChooseFolders(programFolder, argv0);
    if (!folders) return ExitFailed;
    return command->run(CliContext{*folders, args, std::cout, std::cerr});
}

}  // namespace

int main(int argc, char** argv) { return Run({argv + 1, argv + argc}, argv[0]); }
