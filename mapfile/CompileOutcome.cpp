#include "mapfile/CompileOutcome.h"

#include <sys/stat.h>

#include "text/TextHelpers.h"
#include "mapfile/MapCommandTexts.h"

namespace fs = std::filesystem;

CompiledMapStamp StampOf(const fs::path& file) {
    CompiledMapStamp stamp;
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.modifiedNs = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return stamp;
}

bool ChangedSince(const fs::path& file, const CompiledMapStamp& before) {
    const CompiledMapStamp now = StampOf(file);
    if (!now.exists) return false;
    if (!before.exists) return true;
    return now.device != before.device || now.inode != before.inode || now.modifiedNs > before.modifiedNs;
}

std::vector<std::string> CompilerErrorLines(const fs::path& errFile, std::size_t maxLines) {
    std::vector<std::string> lines;
    const std::optional<std::string> content = ReadFileBytes(errFile, MaxSmallFileBytes);
    if (!content) return lines;
    for (const std::string& line : SplitLines(*content)) {
        if (lines.size() == maxLines) break;
        if (!Trim(line).empty()) lines.push_back(Elided(line, 200));
    }
    return lines;
}

std::string CompileFailureText(const CompilePaths& paths, const CompiledMapStamp& before, const CompilerExit& exit) {
    if (exit.normal && exit.status == 0 && ChangedSince(paths.compilerMap, before)) return {};
    std::string text = MapCommandTexts::GenerateFailed;
    const std::vector<std::string> reasons = CompilerErrorLines(paths.compilerErr);
    for (std::size_t i = 0; i < reasons.size(); ++i) text += (i == 0 ? "\n\n" : "\n") + reasons[i];
    if (!reasons.empty()) return text;
    if (!exit.normal) return text + "\n\nThe map compiler did not end normally.";
    if (exit.status != 0) return text + "\n\nThe map compiler ended with status " + std::to_string(exit.status) + ".";
    return text + "\n\nThe map compiler wrote no '" + paths.compilerMap.filename().string() + "'.";
}
