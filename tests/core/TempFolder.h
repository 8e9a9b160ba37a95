#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "text/TextHelpers.h"

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("diz_catalog_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes the lines with CR LF ends (LF only when crlf is false).
    std::filesystem::path Write(const std::filesystem::path& relative, const std::vector<std::string>& lines,
                                bool crlf = true) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        for (const auto& line : lines) out << line << (crlf ? "\r\n" : "\n");
        return file;
    }

private:
    std::filesystem::path path_;
};

// The first paragraph of each recorded message: a data file's failure text
// without the file, line and reason that follow it.
template <typename Recorder>
std::vector<std::string> Headlines(const Recorder& reporter) {
    std::vector<std::string> firsts;
    for (const std::string& message : reporter.Messages()) firsts.push_back(message.substr(0, message.find("\n\n")));
    return firsts;
}

// A positional data line: the key padded to width, ":= " and the value.
inline std::string Keyed(const std::string& key, std::size_t width, const std::string& value) {
    return PadRight(key, width) + ":= " + value;
}
