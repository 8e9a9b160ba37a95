#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "model/StellarTypeNames.h"
#include "model/CUniverse.h"

// The program file of the map compiler, looked for in the compiler folder.
inline constexpr const char* MapCompilerProgramName = "TarsisMapCompiler.exe";

// "number - description" of a failed file operation, naming the file.
std::string FileErrorText(const std::error_code& error, const std::filesystem::path& file);

// saveFolder / (name + ".txt"): where maps are saved and loaded (the user folder).
std::filesystem::path LocalTxtPath(const std::filesystem::path& saveFolder, const std::string& name);

// Writes the universe's txt map as name + ".txt" in the save folder, taking
// the black-hole template from the program folder. When a block cannot be
// written (a limit is reached, the template is missing) nothing is written;
// when writing fails the old file stays. Returns an error text, empty on success.
std::string SaveMapText(const CUniverse& universe, const StellarTypeNames& names,
                        const std::filesystem::path& programFolder, const std::filesystem::path& saveFolder,
                        const std::string& name);

// Running from the build folder: the map is saved beside the template.
inline std::string SaveMapText(const CUniverse& universe, const StellarTypeNames& names,
                               const std::filesystem::path& programFolder, const std::string& name) {
    return SaveMapText(universe, names, programFolder, programFolder, name);
}

// The files of one compile run.
struct CompilePaths {
    std::filesystem::path localTxt;     // save folder / name.txt
    std::filesystem::path compilerTxt;  // compiler folder / name.txt
    std::filesystem::path compilerMap;  // compiler folder / name.map
    std::filesystem::path compilerErr;  // compiler folder / name.err, the compiler's reasons for failing
    std::filesystem::path finalMap;     // maps folder / name.map
    std::filesystem::path compilerProgram;
    std::filesystem::path compilerFolder;  // the working folder of the compiler process
};

CompilePaths MakeCompilePaths(const std::filesystem::path& saveFolder, const std::filesystem::path& compilerFolder,
                              const std::filesystem::path& mapFolder, const std::string& name);

// The arguments the compiler is started with: the bare txt file name and the
// mod name (a process API that quotes arguments itself gets it unquoted).
std::vector<std::string> CompilerArguments(const std::string& name, const std::string& modName);

// Copies the local txt into the compiler folder, replacing an older copy
// (nothing to do when the compiler folder is the program folder).
std::string CopyTxtToCompiler(const CompilePaths& paths);
// Copies the compiled .map into the maps folder (replacing an older one), then
// deletes the compiler's txt and .map, unless either is the local txt or the
// final map itself.
// Stops at the first failure.
std::string MoveCompiledMap(const CompilePaths& paths);
