#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "catalog/EntryList.h"
#include "text/LineCursor.h"

class Reporter;

// The common frame of the block files: from "*BEGIN*" on, every line that
// starts with blockKey hands the cursor (just past that line) to readBlock,
// until a line read last is "*END*". readBlock returns the last line it read,
// which the end test looks at. Any failure is reported with failureMessage;
// the blocks read completely before it are kept by readBlock's caller.
bool ReadBlockFile(const std::filesystem::path& file, const std::string& blockKey,
                   const std::function<std::string(const std::string&, LineCursor&)>& readBlock,
                   const std::string& failureMessage, Reporter& reporter);

// A table of named entries read from a block file, one entry per block.
template <typename Entry>
class BlockTable : public EntryList<Entry> {
public:
    const std::vector<Entry>& Types() const { return this->entries_; }

protected:
    // readEntry(firstLine, cursor, entry) fills one entry and returns the last
    // line it read. The table is rebuilt; entries read before a failure stay.
    template <typename ReadEntry>
    bool LoadBlocks(const std::filesystem::path& file, const std::string& blockKey, ReadEntry readEntry,
                    const std::string& failureMessage, Reporter& reporter) {
        this->entries_.clear();
        const auto readBlock = [&](const std::string& first, LineCursor& in) {
            Entry entry;
            std::string last = readEntry(first, in, entry);
            this->entries_.push_back(std::move(entry));
            return last;
        };
        return ReadBlockFile(file, blockKey, readBlock, failureMessage, reporter);
    }
};
