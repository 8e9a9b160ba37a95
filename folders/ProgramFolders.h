#pragma once

#include <filesystem>

// The two folders a front end hands the core. From the build folder both are
// the executable's own folder, as they always were. Installed, the shipped
// files (settings defaults, bitmaps, name rules, black-hole template, default
// data set) lie read-only under share/, and everything the program writes
// goes to the user's data folder.
struct ProgramFolders {
    std::filesystem::path Program;  // the shipped files
    std::filesystem::path User;     // the settings file, saved txt maps, compiled maps, the recovery file
    bool Installed = false;
};

// The user's folder under the XDG data home. The editor gives the same name to
// Qt as its application name, so QStandardPaths::AppDataLocation agrees.
inline constexpr const char* UserFolderName = "TarsisDizIzuzuri";

// The shipped folder of an installed program, found from its executable's
// folder (bin/ -> share/<project folder>/).
std::filesystem::path InstalledShippedFolder(const std::filesystem::path& executableFolder);

// Where the program's files are: the build layout when the executable's folder
// holds the settings file; the installed layout when the shipped folder does
// (the user folder is then installedUserFolder); otherwise the executable's
// folder for both, and start-up reports the missing settings file.
ProgramFolders FindProgramFolders(const std::filesystem::path& executableFolder,
                                  const std::filesystem::path& installedUserFolder);

// The user folder by the XDG rules, for front ends without Qt: XDG_DATA_HOME
// when it is an absolute path, else HOME/.local/share, followed by
// UserFolderName. Empty when neither gives a folder.
std::filesystem::path XdgUserFolder(const char* xdgDataHome, const char* home);
