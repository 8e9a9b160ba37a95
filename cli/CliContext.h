#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// What a command of dizizuzuri-cli is handed.
struct CliContext {
    std::filesystem::path programFolder;
    std::vector<std::string> args;  // the words after the command's name
    std::ostream& out;
    std::ostream& err;
};

// One entry of the command table. run returns the exit code.
struct CliCommand {
    const char* name;
    const char* usage;  // the arguments, for the help text
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(const CliContext& context);
};
