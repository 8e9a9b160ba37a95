#include "folders/ProgramFolders.h"

#include <system_error>

#include "catalog/Settings.h"

namespace fs = std::filesystem;

namespace {

bool HoldsSettingsFile(const fs::path& folder) {
    std::error_code ignored;
    return fs::is_regular_file(folder / SettingsFileName, ignored);
}

}  // namespace

fs::path InstalledShippedFolder(const fs::path& executableFolder) {
    // DIZ_SHIPPED_FROM_BIN is the install rules' own relative path, so a
    // prefix with other bin/ or share/ names still finds its data.
    return (executableFolder / DIZ_SHIPPED_FROM_BIN).lexically_normal();
}

ProgramFolders FindProgramFolders(const fs::path& executableFolder, const fs::path& installedUserFolder) {
    if (HoldsSettingsFile(executableFolder)) return {executableFolder, executableFolder, false};
    const fs::path shipped = InstalledShippedFolder(executableFolder);
    if (HoldsSettingsFile(shipped)) return {shipped, installedUserFolder, true};
    return {executableFolder, executableFolder, false};
}

fs::path XdgUserFolder(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / UserFolderName;
    if (home && *home) return fs::path(home) / ".local" / "share" / UserFolderName;
    return {};
}
