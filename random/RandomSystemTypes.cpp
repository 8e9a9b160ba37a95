#include "random/RandomSystemTypes.h"

#include "random/BlockReader.h"

namespace {

constexpr std::size_t ValueColumn = 53;
const std::string AsteroidBeltExtraLine = "Obj 15 Specific Stellar Obj Name                 := Any";

std::string Value(const std::string& line) { return ValueFrom(line, ValueColumn); }

// Reads one object group; returns the last line read.
std::string ReadObject(LineCursor& in, SystemTypeObject& o, bool asteroidBeltException) {
    o.PhysicalKind = Value(in.Next());
    o.PositionRule = Value(in.Next());
    o.AbilityGroup = Value(in.Next());
    in.Skip(1);
    std::string line = in.Next();
    // One object of the game's "Asteroid Belt" carries one line more.
    if (asteroidBeltException && line == AsteroidBeltExtraLine) line = in.Next();
    o.Size = Value(line);
    if (o.PhysicalKind == "Star") {
        in.Skip(1);
        o.Colour = Value(in.Next());
        line = in.Next();
    } else if (o.PhysicalKind == "Planet") {
        o.Atmosphere = Value(in.Next());
        line = in.Next();
        o.ObjectType = Value(line);
    } else if (o.PhysicalKind == "Asteroids") {
        in.Skip(1);
        line = in.Next();
        o.ObjectType = Value(line);
    }
    return line;
}

std::string ReadSystemType(const std::string& first, LineCursor& in, RandomSystemType& t) {
    t.Name = Value(first);
    t.Description = Value(in.Next());
    t.PhysicalType = Value(in.Next());
    t.PortraitBitmap = Value(in.Next());
    t.PortraitIndex = WholeNumber(Value(in.Next()));
    in.Skip(1);  // a truth value, not kept
    const std::int32_t groups = WholeNumber(Value(in.Next()));
    if (groups > 0) in.Skip(6 * static_cast<std::size_t>(groups));
    in.Skip(3);
    t.ChanceType = Value(in.Next());
    std::string line = in.Next();
    const std::int32_t objects = WholeNumber(Value(line));
    for (std::int32_t k = 0; k < objects; ++k) {
        SystemTypeObject o;
        line = ReadObject(in, o, t.Name == "Asteroid Belt" && k == 14);
        t.Objects.push_back(o);
    }
    return line;
}

}  // namespace

bool RandomSystemTypeTable::LoadRandomSystemTypes(const std::filesystem::path& file, Reporter& reporter) {
    return LoadBlocks(file, "Name", ReadSystemType, "Can't load System types", reporter);
}
