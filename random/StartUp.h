#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "random/GameData.h"

class RandomSource;
class Reporter;

// The texts the main window shows after reading the data files.
struct StatusTexts {
    std::string LblUsingParse;  // "Using Files in '<data folder>' to define objects"
    std::string lblPaths;       // "Map Compiler: ...", CR, "Map Folder: ..."
    std::string lblAllow;       // "Allow multiple objects in same sector: " + the value in upper case
    std::string lblMod;         // the mod name
};

struct StartUpResult {
    StatusTexts Status;
    // The file names whose reading failed, in reading order (for example
    // "DizIzuzuri.ini", "StellarObjectTypes.txt"); each was reported already.
    std::vector<std::string> FailedFiles;

    bool AllFilesRead() const { return FailedFiles.empty(); }
};

inline constexpr const char* ParsingDataFilesText = "Parsing Data Files";

// Reads the settings file of the user folder, seeds the generator, reads
// the catalogues and the random-generation files of the data folder, the mod
// name, and derives the picture folders. Every failing file is reported and
// reading goes on with the next one. Relative folder values are taken from
// the user folder; the program folder holds the shipped read-only files.
StartUpResult StartUp(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
                      GameData& data, RandomSource& random, std::uint64_t seed, Reporter& reporter);

// Running from the build folder: one folder holds everything.
inline StartUpResult StartUp(const std::filesystem::path& programFolder, GameData& data, RandomSource& random,
                             std::uint64_t seed, Reporter& reporter) {
    return StartUp(programFolder, programFolder, data, random, seed, reporter);
}

// What the settings command does once the dialog was accepted: save the new
// values, read the settings file again and re-read the catalogues, the
// random-generation files, the mod name and the picture folders, as start-up
// does. A settings file that cannot be written is reported ("<error>") and
// nothing else changes.
StartUpResult ReloadWithSettings(GameData& data, const Settings& pending, Reporter& reporter);

// The settings command is refused while a map holds any system.
inline constexpr const char* NoMapLoadedText = "There should be no map loaded to make this";
