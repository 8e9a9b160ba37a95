#include "ui/RecoveryCopy.h"

#include <system_error>

#include "mapfile/MapSave.h"

namespace fs = std::filesystem;

namespace {

std::string CopyName(const std::string& mapName) {
    return mapName.empty() ? RecoveryCopy::UnnamedMap : mapName;
}

std::string MapNameOfCopy(const fs::path& file) {
    const std::string stem = file.stem().string();
    return stem == RecoveryCopy::UnnamedMap ? std::string() : stem;
}

bool IsCopy(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && entry.path().extension() == ".txt";
}

// Whether the map the copy belongs to was saved after the copy was written.
bool OutdatedByItsMap(const fs::path& copy, const fs::path& mapFolder) {
    const std::string name = MapNameOfCopy(copy);
    if (name.empty()) return false;
    std::error_code error;
    const fs::path map = LocalTxtPath(mapFolder, name);
    const auto mapTime = fs::last_write_time(map, error);
    if (error) return false;
    return mapTime >= fs::last_write_time(copy, error) && !error;
}

}  // namespace

void RecoveryCopy::SetFolder(fs::path folder) {
    folder_ = std::move(folder);
    written_.clear();
}

std::string RecoveryCopy::Write(const CUniverse& universe, const StellarTypeNames& names,
                                const fs::path& programFolder, const std::string& mapName) {
    if (folder_.empty()) return {};
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return FileErrorText(error, folder_);
    // Written beside and renamed over the last copy: a crash while writing
    // leaves the previous copy whole.
    if (std::string failure = SaveMapText(universe, names, programFolder, folder_, CopyName(mapName));
        !failure.empty())
        return failure;
    const fs::path file = LocalTxtPath(folder_, CopyName(mapName));
    if (!written_.empty() && written_ != file) fs::remove(written_, error);
    written_ = file;
    return {};
}

void RecoveryCopy::Remove() {
    if (written_.empty()) return;
    std::error_code ignored;
    fs::remove(written_, ignored);
    written_.clear();
}

std::optional<RecoveryCopy::Found> RecoveryCopy::FindNewerThanItsMap(const fs::path& mapFolder) {
    std::optional<Found> newest;
    if (folder_.empty()) return newest;
    fs::file_time_type newestTime{};
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        if (!IsCopy(entry)) continue;
        if (OutdatedByItsMap(entry.path(), mapFolder)) {
            fs::remove(entry.path(), error);
            continue;
        }
        const auto time = entry.last_write_time(error);
        if (error || (newest && time <= newestTime)) continue;
        newest = Found{entry.path(), MapNameOfCopy(entry.path())};
        newestTime = time;
    }
    return newest;
}

std::string RestoreQuestion(const std::string& mapName) {
    return "A recovered copy of " + (mapName.empty() ? std::string("Untitled") : mapName) +
           " with unsaved changes was found; the editor was not closed properly. Restore it?";
}
