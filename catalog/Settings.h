#pragma once

#include <filesystem>
#include <string>

class Reporter;

// The values of DizIzuzuri.ini and what is derived from them at start-up.
// Folder values are kept exactly as read; a relative folder is taken from the
// folder that holds the settings file (ResolveFolder), so a shipped settings
// file works wherever the program is installed.
struct Settings {
    std::string DataDirectory;
    std::string MapCompilerPath;
    std::string MapFolder;
    std::string MultipleObjectsInSameSector;

    // Derived once at start-up.
    std::string PrimaryPictureFolder;
    std::string SecondaryPictureFolder;
    std::string ModName;

    // Only the exact text "True" allows several objects in one sector.
    bool AllowsMultipleObjects() const { return MultipleObjectsInSameSector == "True"; }
};

inline constexpr const char* SettingsFileName = "DizIzuzuri.ini";

// Reads lines 2, 4, 6 and 8 of DizIzuzuri.ini in the program folder into the
// four stored values (the marker lines are not checked). A missing file or
// one with fewer than eight lines is reported; the values it lacks are empty.
// Returns false in that case. The derived values are left untouched.
bool LoadSettings(const std::filesystem::path& programFolder, Settings& settings, Reporter& reporter);

// Writes the eight lines (markers and the four values) with CR LF ends.
// Returns an error text, empty on success; the old file stays on failure.
std::string SaveSettings(const std::filesystem::path& programFolder, const Settings& settings);

// The first (length - 5) characters of a folder text: a data or maps folder
// turned into its parent. Empty when the text has five characters or fewer.
std::string ParentByCutting(const std::string& folder);

// A folder value as a usable path: absolute values as they stand, relative
// ones (and an empty one) under the program folder. Backslashes count as
// separators where the platform's own separator is "/".
std::filesystem::path ResolveFolder(const std::filesystem::path& programFolder, const std::string& folder);

// The picture folder text derived from a data or maps folder:
// its parent (ParentByCutting) followed by "/Pictures/Planets/"; just
// "Pictures/Planets/" (under the program folder) when there is no parent.
std::string PictureFolderOf(const std::string& folder);
