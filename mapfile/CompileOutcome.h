#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "mapfile/MapSave.h"

// How the compiled map in the compiler folder looked before the compiler was
// started, so that a map left from an earlier run never passes for this one's.
struct CompiledMapStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;
};

CompiledMapStamp StampOf(const std::filesystem::path& file);

// True when file now holds another file than the one stamped (a new file, or
// the same one written again since).
bool ChangedSince(const std::filesystem::path& file, const CompiledMapStamp& before);

// The first lines of the compiler's NAME.err, each cut to a readable length;
// empty when there is no such file.
std::vector<std::string> CompilerErrorLines(const std::filesystem::path& errFile, std::size_t maxLines = 5);

// How a finished compiler run ended, as the editor saw it.
struct CompilerExit {
    bool normal = false;  // ended by itself rather than by a signal or a crash
    int status = -1;
};

// Empty when the run compiled the map: the compiler ended normally with
// status 0 and left a new compiled map. Otherwise "There have been errors
// generating the Map", followed by the first lines of NAME.err, or by how the
// compiler ended when it wrote none.
std::string CompileFailureText(const CompilePaths& paths, const CompiledMapStamp& before, const CompilerExit& exit);
