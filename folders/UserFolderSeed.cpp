#include "folders/UserFolderSeed.h"

#include <system_error>

#include "catalog/Settings.h"
#include "mapfile/MapSave.h"
#include "text/Reporter.h"

namespace fs = std::filesystem;

namespace {

// Keeps only the first error a reader reports.
class FirstErrorReporter : public Reporter {
public:
    void Error(const std::string& message) override { Keep(message); }
    void Information(const std::string& message) override { Keep(message); }
    bool Question(const std::string&) override { return false; }
    std::string error;

private:
    void Keep(const std::string& message) {
        if (error.empty()) error = message;
    }
};

std::string CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return error ? FileErrorText(error, folder) : std::string();
}

// A link follows the installed compiler through upgrades; a copy serves
// where links are not possible.
std::string LinkCompiler(const fs::path& compilerProgram, const fs::path& compilerFolder) {
    const fs::path target = compilerFolder / MapCompilerProgramName;
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error)) || !fs::exists(compilerProgram, error)) return {};
    fs::create_symlink(compilerProgram, target, error);
    if (error) fs::copy_file(compilerProgram, target, error);
    return error ? FileErrorText(error, target) : std::string();
}

std::string PrepareFolders(const ProgramFolders& folders, const Settings& settings,
                           const fs::path& compilerProgram) {
    const fs::path compilerFolder = ResolveFolder(folders.User, settings.MapCompilerPath);
    for (const fs::path& folder : {folders.User, ResolveFolder(folders.User, settings.MapFolder), compilerFolder})
        if (std::string error = CreateFolder(folder); !error.empty()) return error;
    return LinkCompiler(compilerProgram, compilerFolder);
}

}  // namespace

std::string SeedUserFolder(const ProgramFolders& folders, const fs::path& compilerProgram) {
    if (folders.User.empty()) return "No folder for the user's files: neither XDG_DATA_HOME nor HOME is set.";
    std::error_code ignored;
    if (fs::exists(folders.User / SettingsFileName, ignored)) return {};
    FirstErrorReporter reporter;
    Settings settings;
    if (!LoadSettings(folders.Program, settings, reporter)) return reporter.error;
    settings.DataDirectory = ResolveFolder(folders.Program, settings.DataDirectory).string();
    if (std::string error = PrepareFolders(folders, settings, compilerProgram); !error.empty()) return error;
    return SaveSettings(folders.User, settings);
}
