#include "mapfile/MapSave.h"

#include <cerrno>

#include "text/TextHelpers.h"
#include "mapfile/MapTextWriter.h"

namespace fs = std::filesystem;

std::string FileErrorText(const std::error_code& error, const fs::path& file) {
    return std::to_string(error.value()) + " - " + error.message() + " ('" + file.string() + "')";
}

fs::path LocalTxtPath(const fs::path& saveFolder, const std::string& name) { return saveFolder / (name + ".txt"); }

std::string SaveMapText(const CUniverse& universe, const StellarTypeNames& names, const fs::path& programFolder,
                        const fs::path& saveFolder, const std::string& name) {
    MapTextWriter writer(universe, names, programFolder);
    TxtLineBuffer out;
    std::string error = writer.WriteMap(out);
    if (!error.empty()) return error;
    return WriteTextContentSafely(LocalTxtPath(saveFolder, name), out.Text());
}

CompilePaths MakeCompilePaths(const fs::path& saveFolder, const fs::path& compilerFolder, const fs::path& mapFolder,
                              const std::string& name) {
    CompilePaths paths;
    paths.localTxt = LocalTxtPath(saveFolder, name);
    paths.compilerTxt = compilerFolder / (name + ".txt");
    paths.compilerMap = compilerFolder / (name + ".map");
    paths.compilerErr = compilerFolder / (name + ".err");
    paths.finalMap = mapFolder / (name + ".map");
    paths.compilerProgram = compilerFolder / MapCompilerProgramName;
    paths.compilerFolder = compilerFolder;
    return paths;
}

std::vector<std::string> CompilerArguments(const std::string& name, const std::string& modName) {
    return {name + ".txt", modName};
}

namespace {

// Read whole and written like a save, so that a copy failing halfway leaves
// the old file, and a link at the target is written through.
std::string CopyReplacing(const fs::path& from, const fs::path& to) {
    const FileContent content = ReadWholeFile(from, MaxMapFileBytes);
    if (!content.Ok()) return FileErrorText(std::error_code(content.number, std::generic_category()), from);
    return WriteTextContentSafely(to, *content.bytes);
}

std::string Delete(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    return ec ? FileErrorText(ec, file) : std::string();
}

// True when two paths name one existing file (the compiler folder may be the
// program folder or the maps folder).
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

std::string CopyTxtToCompiler(const CompilePaths& paths) {
    if (SameFile(paths.localTxt, paths.compilerTxt)) return {};
    return CopyReplacing(paths.localTxt, paths.compilerTxt);
}

// When the compiler writes straight into the maps folder its .map is already
// the final one: nothing to copy. Whichever folders coincide, neither the
// local txt nor the final map is ever deleted.
std::string MoveCompiledMap(const CompilePaths& paths) {
    std::string error;
    if (!SameFile(paths.compilerMap, paths.finalMap)) error = CopyReplacing(paths.compilerMap, paths.finalMap);
    for (const fs::path& file : {paths.compilerTxt, paths.compilerMap})
        if (error.empty() && !SameFile(file, paths.localTxt) && !SameFile(file, paths.finalMap)) error = Delete(file);
    return error;
}
