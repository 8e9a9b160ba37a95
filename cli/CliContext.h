#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "folders/ProgramFolders.h"

// What a command of dizizuzuri-cli is handed. Results go to out, every
// message (errors, warnings, progress) to err.
struct CliContext {
    ProgramFolders folders;  // the shipped files and the user's files
    std::vector<std::string> args;  // the words after the command's name
    std::ostream& out;
    std::ostream& err;
};

// The exit codes of every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;   // a failed check, or a map or data file that could not be read or written
inline constexpr int ExitRefused = 2;  // bad arguments or a refused request

// One entry of the command table. run returns the exit code.
struct CliCommand {
    const char* name;
    const char* usage;  // the arguments, for the help text
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(const CliContext& context);
    const char* summary = "";  // one line on what the command does
};
