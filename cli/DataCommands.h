#pragma once

#include <filesystem>
#include <iosfwd>

// Runs start-up on the program folder: each failing file's message on err,
// the counts of everything read on out. 0 when no file failed, 1 otherwise.
int RunDataCommand(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err);

// Lists the stellar object catalogue, one entry per line (ordinal, name,
// physical type, size, subtype, atmosphere, colour, picture, separated by
// tabs). 0 when the catalogue file was read.
int RunCatalogCommand(const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err);
