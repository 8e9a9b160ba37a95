#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing whole files without ever blocking on, following into or
// clobbering something that is not the file meant.

// The largest files the readers take: a map, a game data file, and the small
// files of the program folder (BlackHole.dat, rules.dat, the settings file).
inline constexpr std::uint64_t MaxMapFileBytes = 1ull << 30;
inline constexpr std::uint64_t MaxDataFileBytes = 64ull << 20;
inline constexpr std::uint64_t MaxSmallFileBytes = 1ull << 20;

// The bytes of a file, or why they could not be read.
struct FileContent {
    std::optional<std::string> bytes;
    std::string error;  // "cannot be opened (2 - No such file or directory)", "is not a regular file", ...
    int number = 0;     // the system's error number for it (EINVAL for a file that is not regular)

    bool Ok() const { return bytes.has_value(); }
};

// Reads a regular file of at most maxBytes. A FIFO, a device, a folder or a
// larger file is refused without waiting on it; no exception escapes.
FileContent ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes);

// Lines of a text file with CR LF or LF ends; a trailing CR is never part of
// a line, and a CR inside one reads as a blank. Nothing when the file cannot
// be read as ReadWholeFile would.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path,
                                                      std::uint64_t maxBytes = MaxDataFileBytes);
std::vector<std::string> SplitLines(std::string_view text);
// The whole content of a file in one read; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes = MaxMapFileBytes);

// Writes the lines, each ended by CR LF, to a new temporary file beside path
// and renames it over path only once everything was written. A link at path
// is saved through to the file it names; an existing file keeps its
// permissions, and a read-only one is refused. Returns an error text
// ("number - description (what failed)"), empty on success; on failure path
// is untouched and no temporary file is left.
std::string WriteTextFileSafely(const std::filesystem::path& path, const std::vector<std::string>& lines);
// The same for text that already holds its line ends, written as it stands.
std::string WriteTextContentSafely(const std::filesystem::path& path, std::string_view content);
