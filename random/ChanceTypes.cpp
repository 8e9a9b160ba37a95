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

std::string ReadChanceType(LineCursor& in, ChanceType& c) {
    c.Name = Value(in.Next());
    ReadSection(in, c.First);
    ReadSection(in, c.Second);
    return ReadSection(in, c.Third);
}

}  // namespace

bool ChanceTypeTable::LoadChanceTypes(const std::filesystem::path& file, Reporter& reporter) {
    types_.clear();
    return ReadBlockFile(
        file, [](const std::string& line) { return StartsWith(line, "Number of Any Chance Types"); },
        [this](const std::string&, LineCursor& in) {
            ChanceType c;
            const std::string last = ReadChanceType(in, c);
            types_.push_back(std::move(c));
            return last;
        },
        "Can't load Chance types", reporter);
}

ChanceType ChanceTypeTable::FindChanceType(const std::string& name) const {
    for (const auto& c : types_)
        if (c.Name == name) return c;
    return {};
}
