#include "random/BlockReader.h"

#include "text/TextHelpers.h"
#include "text/Reporter.h"

bool ReadBlockFile(const std::filesystem::path& file, const std::string& blockKey,
                   const std::function<std::string(const std::string&, LineCursor&)>& readBlock,
                   const std::string& failureMessage, Reporter& reporter) {
    return ReadDataFile(file, failureMessage, reporter, [&](LineCursor& in) {
        std::string current = "*BEGIN*";
        while (current != "*END*") {
            current = in.Next();
            if (StartsWith(current, blockKey)) current = readBlock(current, in);
        }
    });
}
