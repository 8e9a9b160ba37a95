#pragma once

#include <filesystem>
#include <string>

// The messages of the save, generate and load commands, word for word.
namespace MapCommandTexts {

inline const char* const NoSystems = "There are no Systems in this map";
inline const char* const WriteAName = "Write a name for the Map";
inline const char* const GenerateFailed = "There have been errors generating the Map";

// Asked when the local txt exists. Answering Yes needs no deletion first:
// SaveMapText replaces the file only once the new one is complete.
inline std::string Overwrite(const std::string& name) { return "The File '" + name + ".txt' exists, Overwrite?"; }

inline std::string Saved(const std::string& name, const std::filesystem::path& saveFolder) {
    return "Work Done,'" + name + ".txt' saved in '" + saveFolder.string() + "'";
}

inline std::string Generated(const std::string& name, const std::string& mapFolder) {
    return "Work Done,'" + name + ".map' created in '" + mapFolder + "'";
}

}  // namespace MapCommandTexts
