#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <utility>

// Every entry below a folder with its size and time: what a write would change.
inline std::map<std::filesystem::path, std::pair<std::uintmax_t, std::filesystem::file_time_type>> Snapshot(
    const std::filesystem::path& folder) {
    std::map<std::filesystem::path, std::pair<std::uintmax_t, std::filesystem::file_time_type>> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        entries[entry.path()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return entries;
}
