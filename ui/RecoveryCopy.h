#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/CUniverse.h"
#include "model/StellarTypeNames.h"

// A copy of a map with unsaved changes, kept in a folder of its own in the
// user's data folder (never beside the user's maps), so that a crash or a
// killed editor loses at most the last minute of work. One copy at a time,
// named after its map. Without a folder nothing is written or found.
class RecoveryCopy {
public:
    // The file name a copy of a map never saved carries; no map file name
    // has brackets' meaning here, and the question shows "Untitled".
    static constexpr const char* UnnamedMap = "(never saved)";

    RecoveryCopy() = default;
    explicit RecoveryCopy(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return folder_; }
    void SetFolder(std::filesystem::path folder);

    // Writes the map as the copy of mapName (empty: a map never saved) and
    // removes the copy written before when it had another name. The program
    // folder holds the black-hole template. Returns an error text.
    std::string Write(const CUniverse& universe, const StellarTypeNames& names,
                      const std::filesystem::path& programFolder, const std::string& mapName);
    // Removes the copy this session wrote or restored, if any.
    void Remove();
    // Takes a copy found at start as this session's own (it was restored).
    void Adopt(const std::filesystem::path& file) { written_ = file; }

    // A copy left by an earlier session.
    struct Found {
        std::filesystem::path file;
        std::string mapName;  // empty for a map never saved
    };
    // The newest copy in the folder that is newer than its map in the map
    // folder (or whose map is not there). Copies older than their map are
    // outdated and removed on the way.
    std::optional<Found> FindNewerThanItsMap(const std::filesystem::path& mapFolder);

private:
    std::filesystem::path folder_;
    std::filesystem::path written_;
};

// The question that offers a found copy back.
std::string RestoreQuestion(const std::string& mapName);
