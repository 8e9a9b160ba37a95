#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "catalog/LineCursor.h"

class Reporter;

// The common frame of the block files: from "*BEGIN*" on, every line that
// opens a block hands the cursor (just past that line) to readBlock, until a
// line read last is "*END*". readBlock returns the last line it read, which
// the end test looks at. Any failure is reported with failureMessage; the
// blocks read completely before it are kept by readBlock's caller.
bool ReadBlockFile(const std::filesystem::path& file, const std::function<bool(const std::string&)>& opensBlock,
                   const std::function<std::string(const std::string&, LineCursor&)>& readBlock,
                   const std::string& failureMessage, Reporter& reporter);
