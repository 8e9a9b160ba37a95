#include "random/ChanceTypes.h"

#include "random/BlockReader.h"

namespace {

constexpr std::size_t ValueColumn = 53;

std::string Value(const std::string& line) { return ValueFrom(line, ValueColumn); }

// A count line and that many pairs of lines; returns the last line read.
std::string ReadSection(LineCursor& in, std::vector<ChancePair>& pairs) {
    std::string line = in.Next();
    const std::int32_t count = WholeNumber(Value(line));
    for (std::int32_t i = 0; i < count; ++i) {
        std::string first = Value(in.Next());
        line = in.Next();
        pairs.emplace_back(std::move(first), Value(line));
    }
    return line;
}

std::string ReadChanceType(const std::string&, LineCursor& in, ChanceType& c) {
    c.Name = Value(in.Next());
    ReadSection(in, c.First);
    ReadSection(in, c.Second);
    return ReadSection(in, c.Third);
}

}  // namespace

bool ChanceTypeTable::LoadChanceTypes(const std::filesystem::path& file, Reporter& reporter) {
    return LoadBlocks(file, "Number of Any Chance Types", ReadChanceType, "Can't load Chance types", reporter);
}
