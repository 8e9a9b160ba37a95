#include "random/BlockReader.h"

#include "text/TextHelpers.h"
#include "text/Reporter.h"

bool ReadBlockFile(const std::filesystem::path& file, const std::string& blockKey,
                   const std::function<std::string(const std::string&, LineCursor&)>& readBlock,
                   const std::string& failureMessage, Reporter& reporter) {
    const std::string usable = "blocks starting with \"" + blockKey + "\" before \"*END*\"";
    return ReadDataFile(file, failureMessage, usable, reporter, [&](LineCursor& in) {
        std::string current = "*BEGIN*";
        bool found = false;
        while (current != "*END*") {
            if (!found && in.AtEnd()) return false;  // no block and no end: not a block file at all
            current = in.Next();
            if (!StartsWith(current, blockKey)) continue;
            current = readBlock(current, in);
            found = true;
        }
        return found;
    });
}
