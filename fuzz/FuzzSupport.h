#pragma once

// Shared pieces of the fuzz targets: a private folder for the files the
// readers take, and a check that stops the run on a broken promise.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fuzz {

inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("diz_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// The bytes as file name in the private folder.
inline std::filesystem::path WriteFile(const std::string& name, std::string_view bytes) {
    const auto path = Folder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void Check(bool condition) {
    if (!condition) std::abort();
}

// The input cut at lines "%%": one part per data file of a generation.
inline std::vector<std::string_view> Sections(std::string_view text, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t mark = text.find("\n%%\n");
        if (mark == std::string_view::npos) break;
        parts.push_back(text.substr(0, mark + 1));
        text.remove_prefix(mark + 4);
    }
    parts.push_back(text);
    parts.resize(count);
    return parts;
}

}  // namespace fuzz
