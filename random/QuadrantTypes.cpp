#include "random/QuadrantTypes.h"

#include "random/BlockReader.h"

namespace {

constexpr std::size_t ValueColumn = 30;

std::string Value(const std::string& line) { return ValueFrom(line, ValueColumn); }

// Passes over lines, starting with the given one, until one begins with key.
std::string SeekLine(std::string line, const std::string& key, LineCursor& in) {
    while (!StartsWith(line, key)) line = in.Next();
    return line;
}

std::string ReadQuadrantType(const std::string& first, LineCursor& in, QuadrantType& q) {
    q.Name = Value(first);
    in.Skip(1);
    WholeNumber(Value(in.Next()));  // checked, not kept
    in.Skip(1);
    std::string line = in.Next();
    q.MaxWarpPoints = WholeNumber(Value(line));
    line = SeekLine(line, "Number of Locations", in);
    const std::int32_t locations = WholeNumber(Value(line));
    for (std::int32_t i = 0; i < locations; ++i) {
        QuadrantLocation place;
        place.SystemType = Value(in.Next());
        place.X = WholeNumber(Value(in.Next()));
        line = in.Next();
        place.Y = WholeNumber(Value(line));
        q.Locations.push_back(place);
    }
    line = SeekLine(line, "Number of System Types", in);
    const std::int32_t chances = WholeNumber(Value(line));
    for (std::int32_t i = 0; i < chances; ++i) {
        SystemTypeChance chance;
        chance.SystemType = Value(in.Next());
        line = in.Next();
        chance.Chance = WholeNumber(Value(line));
        q.SystemTypeChances.push_back(chance);
    }
    return line;
}

}  // namespace

bool QuadrantTypeTable::LoadQuadrantTypes(const std::filesystem::path& file, Reporter& reporter) {
    return LoadBlocks(file, "Name", ReadQuadrantType, "Can't load Quadrant types", reporter);
}
