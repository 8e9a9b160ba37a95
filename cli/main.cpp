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
#include "cli/RandomCommands.h"

namespace {

const CliCommand Commands[] = {
    {"data", "", 0, 0, [](const CliContext& c) { return RunDataCommand(c.programFolder, c.out, c.err); }},
    {"catalog", "", 0, 0, [](const CliContext& c) { return RunCatalogCommand(c.programFolder, c.out, c.err); }},
    {"check", "MAP.txt", 1, 1, RunCheckCommand},
    {"roundtrip", "IN.txt OUT.txt", 2, 2, RunRoundtripCommand},
    {"compile", "MAP.txt [MOD]", 1, 2, RunCompileCommand},
    {"random-map", "--quadrant NAME --systems N --shape SHAPE [--seed S] [--progress] [--multiple] -o OUT.txt", 0,
     64, [](const CliContext& c) { return RunRandomMapCommand(c.programFolder, c.args, c.out, c.err); }},
    {"random-system", "--type NAME --at X,Y [--name NAME] [--map IN.txt] [--seed S] [--multiple] -o OUT.txt", 0, 64,
     [](const CliContext& c) { return RunRandomSystemCommand(c.programFolder, c.args, c.out, c.err); }},
};

int Usage(std::ostream& err) {
    err << "usage: dizizuzuri-cli [--program-dir DIR] COMMAND [ARGS]\ncommands:\n";
    for (const CliCommand& command : Commands) err << "  " << command.name << " " << command.usage << "\n";
    return 2;
}

// The folder of the running executable: the default program folder.
std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::filesystem::path programFolder = ExecutableFolder(argv[0]);
    if (!words.empty() && words[0].rfind("--program-dir=", 0) == 0) {
        programFolder = words[0].substr(14);
        words.erase(words.begin());
    } else if (words.size() >= 2 && words[0] == "--program-dir") {
        programFolder = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.empty()) return Usage(std::cerr);
    const auto command = std::find_if(std::begin(Commands), std::end(Commands),
                                      [&](const CliCommand& c) { return words[0] == c.name; });
    if (command == std::end(Commands)) return Usage(std::cerr);
    CliContext context{programFolder, {words.begin() + 1, words.end()}, std::cout, std::cerr};
    if (context.args.size() < command->minArgs || context.args.size() > command->maxArgs) return Usage(std::cerr);
    return command->run(context);
}
