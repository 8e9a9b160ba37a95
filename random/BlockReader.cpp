#include "random/BlockReader.h"

#include "catalog/TextHelpers.h"
#include "model/Reporter.h"

bool ReadBlockFile(const std::filesystem::path& file, const std::string& blockKey,
                   const std::function<std::string(const std::string&, LineCursor&)>& readBlock,
                   const std::string& failureMessage, Reporter& reporter) {
    auto lines = ReadTextLines(file);
    if (!lines) {
        reporter.Error(failureMessage);
        return false;
    }
    LineCursor in(std::move(*lines));
    try {
        std::string current = "*BEGIN*";
        while (current != "*END*") {
            current = in.Next();
            if (StartsWith(current, blockKey)) current = readBlock(current, in);
        }
    } catch (const DataFileError&) {
        reporter.Error(failureMessage);
        return false;
    }
    return true;
}
