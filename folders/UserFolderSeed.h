#pragma once

#include <filesystem>
#include <string>

#include "folders/ProgramFolders.h"

// Makes the user folder of an installed program ready. On the first start
// (no settings file in the user folder yet) it writes the shipped settings
// there with the data folder made absolute, so the read-only shipped data set
// is read where it lies; creates the maps folder and the compiler folder the
// settings name (relative ones under the user folder) and links the map
// compiler beside the executable into that compiler folder, which has to be
// writable because the compiler works in it. The settings file is written
// last, so a start that failed half-way seeds again next time. A user folder
// that already holds a settings file is left as it is.
// Returns an error text, empty on success.
std::string SeedUserFolder(const ProgramFolders& folders, const std::filesystem::path& compilerProgram);
