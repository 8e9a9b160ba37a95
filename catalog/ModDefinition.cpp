#include "catalog/ModDefinition.h"

#include "text/LineCursor.h"
#include "text/TextHelpers.h"

std::optional<std::string> ModNameOfLine(const std::string& line) {
    const std::size_t first = line.find('=');
    if (first == std::string::npos) return std::nullopt;
    const std::size_t second = line.find('=', first + 1);
    const std::size_t length = second == std::string::npos ? std::string::npos : second - first - 1;
    return Trim(line.substr(first + 1, length));
}

bool ReadModName(const std::filesystem::path& file, std::string& modName, Reporter& reporter) {
    return ReadDataFile(file, "The 'Mod_Definition.txt' path is incorrect", "a \"Mod Name\" line", reporter,
                        [&](LineCursor& in) {

        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            if (!StartsWith(line, "Mod Name")) continue;
            const auto name = ModNameOfLine(line);
            if (!name) throw DataFileError("a 'Mod Name' line without '='");
            modName = *name;
        }
        return true;  // a file without a "Mod Name" line simply names no mod
    });
}
