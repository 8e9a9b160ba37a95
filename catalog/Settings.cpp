#include "catalog/Settings.h"

#include <algorithm>

#include "text/TextHelpers.h"
#include "text/Reporter.h"

namespace {

const char* const Markers[4] = {"[Data Directory]", "[Map Compiler Path]", "[Map Folder]",
                                "[Multiple Objects in same Sector]"};

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

}  // namespace

bool LoadSettings(const std::filesystem::path& programFolder, Settings& settings, Reporter& reporter) {
    const auto lines = ReadTextLines(programFolder / SettingsFileName);
    const std::vector<std::string> read = lines.value_or(std::vector<std::string>{});
    settings.DataDirectory = LineOrEmpty(read, 1);
    settings.MapCompilerPath = LineOrEmpty(read, 3);
    settings.MapFolder = LineOrEmpty(read, 5);
    settings.MultipleObjectsInSameSector = LineOrEmpty(read, 7);
    if (lines && read.size() >= 8) return true;
    reporter.Error(std::string("The settings file '") + SettingsFileName + "' is missing or incomplete in '" +
                   programFolder.string() + "'. Open Settings to choose the data, map compiler and map folders.");
    return false;
}

std::string SaveSettings(const std::filesystem::path& programFolder, const Settings& settings) {
    return WriteTextFileSafely(programFolder / SettingsFileName,
                               {Markers[0], settings.DataDirectory, Markers[1], settings.MapCompilerPath, Markers[2],
                                settings.MapFolder, Markers[3], settings.MultipleObjectsInSameSector});
}

std::string ParentByCutting(const std::string& folder) {
    return folder.size() > 5 ? folder.substr(0, folder.size() - 5) : std::string();
}

std::filesystem::path ResolveFolder(const std::filesystem::path& programFolder, const std::string& folder) {
    std::string text = folder;
    if (std::filesystem::path::preferred_separator == '/') std::replace(text.begin(), text.end(), '\\', '/');
    const std::filesystem::path path(text);
    return path.is_absolute() ? path : programFolder / path;
}

std::string PictureFolderOf(const std::string& folder) {
    const std::string parent = ParentByCutting(folder);
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    const std::string pictures = "Pictures" + separator + "Planets" + separator;
    // No parent left: the folder lies under the program folder, where the mod
    // definition is then looked up too, never in the file system's root.
    return parent.empty() ? pictures : parent + separator + pictures;
}
