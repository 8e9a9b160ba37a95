// dizizuzuri-cli [--program-dir DIR] COMMAND [ARGS]: the editor's core work
// without its window. Adding a command is one line in the table below.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliContext.h"
#include "cli/DataCommands.h"
#include "cli/MapCommands.h"
#include "cli/NameCommand.h"
#include "cli/RandomCommands.h"

namespace {

const CliCommand Commands[] = {
    {"data", "[--json]", 0, 1, RunDataCommand,
     "reads every data file as the editor does at start-up and shows what they hold"},
    {"catalog", "", 0, 0, RunCatalogCommand, "lists the stellar object catalogue, one entry per line"},
    {"name", "[--count N] [--seed S]", 0, 4, RunNameCommand, "invents system names from the name rules (rules.dat)"},
    {"check", "MAP.txt", 1, 1, RunCheckCommand, "loads a txt map and counts its systems, objects and warp points"},
    {"roundtrip", "IN.txt OUT.txt", 2, 2, RunRoundtripCommand, "loads a txt map and saves it again"},
    {"compile", "MAP.txt [MOD]", 1, 2, RunCompileCommand,
     "checks a txt map as the map compiler does and writes its .map"},
    {"random-map", "--quadrant NAME --systems N --shape SHAPE [--seed S] [--progress] [--multiple] -o OUT.txt", 0,
     64, [](const CliContext& c) { return RunRandomMapCommand(c.programFolder, c.args, c.out, c.err); },
     "generates a random galaxy"},
    {"random-system", "--type NAME --at X,Y [--name NAME] [--map IN.txt] [--seed S] [--multiple] -o OUT.txt", 0, 64,
     [](const CliContext& c) { return RunRandomSystemCommand(c.programFolder, c.args, c.out, c.err); },
     "adds one random system to a map"},
};

// The version the editor's window shows.
constexpr const char* Version = DIZ_VERSION;

void ToolUsage(std::ostream& stream) {
    stream << "usage: dizizuzuri-cli [--program-dir DIR] COMMAND [ARGS]\n"
              "       dizizuzuri-cli COMMAND --help\n"
              "       dizizuzuri-cli --help | --version\n"
              "The program folder (DizIzuzuri.ini, rules.dat and the data folder) defaults to the tool's own.\n"
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
std::filesystem::path TakeProgramFolder(std::vector<std::string>& words, const char* argv0) {
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
    return ExecutableFolder(argv0);
}

int Run(std::vector<std::string> words, const char* argv0) {
    const std::filesystem::path programFolder = TakeProgramFolder(words, argv0);
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
    CliContext context{programFolder, {words.begin() + 1, words.end()}, std::cout, std::cerr};
    if (AsksForHelp(context.args)) {
        CommandUsage(*command, std::cout);
        return ExitOk;
    }
    if (context.args.size() < command->minArgs || context.args.size() > command->maxArgs) {
        CommandUsage(*command, std::cerr);
        return ExitRefused;
    }
    return command->run(context);
}

}  // namespace

int main(int argc, char** argv) { return Run({argv + 1, argv + argc}, argv[0]); }
