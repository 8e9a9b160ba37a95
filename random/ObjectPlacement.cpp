#include "random/ObjectPlacement.h"

#include "catalog/TextHelpers.h"
#include "model/SectorField.h"
#include "random/RandomDraws.h"

#include <cmath>
#include <cstdlib>

namespace {

// Evaluations of one rule before it is given up for the centre sector.
constexpr int MaxRuleTries = 100;
// Placements of one object before the nearest free sector is searched.
constexpr int MaxPlacementTries = 200;
constexpr int MaxRingDraws = 1000;

std::vector<std::string> SplitAtBlanks(const std::string& rule) {
    std::vector<std::string> words(1);
    for (char c : rule) {
        if (c == ' ')
            words.emplace_back();
        else
            words.back() += c;
    }
    return words;
}

std::optional<std::int32_t> Number(const std::vector<std::string>& words, std::size_t index) {
    if (index >= words.size()) return std::nullopt;
    const std::optional<double> value = ParseReal(words[index]);
    if (!value) return std::nullopt;
    return RoundHalfEven(*value);
}

std::optional<SectorPoint> PlacedSector(const std::vector<SystemTypeObject>& objects, std::optional<std::int32_t> j) {
    if (!j || *j < 0 || static_cast<std::size_t>(*j) >= objects.size()) return std::nullopt;
    const SystemTypeObject& object = objects[static_cast<std::size_t>(*j)];
    return SectorPoint{object.SectorX, object.SectorY};
}

std::optional<SectorPoint> Ring(const std::vector<std::string>& words, RandomSource& random) {
    if (words.size() > 1 && words[1] == "1") return SectorPoint{0, 0};
    const std::optional<std::int32_t> n = Number(words, 1);
    if (!n || *n <= 0 || *n > 32767) return std::nullopt;  // a ring of size 0 has no sector off the centre lines
    for (int draw = 0; draw < MaxRingDraws; ++draw) {
        const SectorPoint s{RandomInt(random, -*n, *n), RandomInt(random, -*n, *n)};
        if (s.X != 0 && s.Y != 0) return s;
    }
    return std::nullopt;
}

SectorPoint Coord(const std::vector<std::string>& words) {
    SectorPoint s;
    if (words.size() < 2) return s;
    const std::string& word = words[1];
    const std::size_t comma = word.find(',');
    const std::vector<std::string> parts{word.substr(0, comma),
                                         comma == std::string::npos ? std::string() : word.substr(comma + 1)};
    if (auto x = Number(parts, 0)) s.X = *x;
    if (auto y = Number(parts, 1)) s.Y = *y;
    return s;
}

std::optional<SectorPoint> Offset(const std::vector<std::string>& words, const std::vector<SystemTypeObject>& objects,
                                  RandomSource& random) {
    const std::optional<SectorPoint> base = PlacedSector(objects, Number(words, 1));
    const std::optional<std::int32_t> r = Number(words, 3);
    if (!base || !r || *r < 0 || *r > 32767) return std::nullopt;
    const std::int32_t dx = RandomInt(random, -*r, *r);
    const std::int32_t dy = RandomInt(random, -*r, *r);
    return SectorPoint{base->X + dx, base->Y + dy};
}

std::optional<SectorPoint> Circle(const std::vector<std::string>& words, RandomSource& random) {
    if (words.size() < 4 || words[2].empty()) return std::nullopt;
    if (!ParseReal(words[2].substr(0, words[2].size() - 1)) || !ParseReal(words[3])) return std::nullopt;
    const double t = RandomReal(random, 0, 6);
    return SectorPoint{RoundHalfEven(7 * std::cos(t)).value_or(0), RoundHalfEven(7 * std::sin(t)).value_or(0)};
}

// Valid sectors by growing distance from a point, each ring row by row.
std::optional<SectorPoint> NearestSector(const SectorPoint& from, const SectorTest& blocked) {
    for (std::int32_t d = 0; d <= 27; ++d)
        for (std::int32_t Y = from.Y - d; Y <= from.Y + d; ++Y)
            for (std::int32_t X = from.X - d; X <= from.X + d; ++X) {
                if (std::max(std::abs(X - from.X), std::abs(Y - from.Y)) != d) continue;
                if (IsValidSector(X, Y) && !blocked(X, Y)) return SectorPoint{X, Y};
            }
    return std::nullopt;
}

}  // namespace

std::optional<RuleResult> EvaluatePositionRule(const std::string& rule, const std::vector<SystemTypeObject>& objects,
                                               RandomSource& random) {
    const std::vector<std::string> words = SplitAtBlanks(rule);
    const std::string& word = words[0];
    std::optional<SectorPoint> sector = SectorPoint{0, 0};
    bool fixed = false;
    if (word == "Ring") {
        sector = Ring(words, random);
    } else if (word == "Coord") {
        sector = Coord(words);
        fixed = true;
    } else if (word == "Offset") {
        sector = Offset(words, objects, random);
    } else if (word == "Circle") {
        sector = Circle(words, random);
    } else if (word == "Same") {
        sector = PlacedSector(objects, Number(words, 2));
        fixed = true;
    } else if (word == "Any") {
        const std::int32_t X = RandomInt(random, -13, 13);
        sector = SectorPoint{X, RandomInt(random, -10, 10)};
    }
    if (!sector || !IsValidSector(sector->X, sector->Y)) return std::nullopt;
    return RuleResult{*sector, fixed};
}

RuleResult PlaceObject(std::size_t k, const std::vector<SystemTypeObject>& objects, RandomSource& random) {
    const std::string& rule = objects.at(k).PositionRule;
    for (int attempt = 0; attempt < MaxRuleTries; ++attempt)
        if (auto result = EvaluatePositionRule(rule, objects, random)) return *result;
    return RuleResult{};
}

SectorPoint PlaceObjectAvoiding(std::size_t k, std::vector<SystemTypeObject>& objects, const SectorTest& blocked,
                                bool testFixed, RandomSource& random) {
    RuleResult placed = PlaceObject(k, objects, random);
    for (int attempt = 1; attempt < MaxPlacementTries; ++attempt) {
        if ((placed.fixedPosition && !testFixed) || !blocked(placed.sector.X, placed.sector.Y)) break;
        placed = PlaceObject(k, objects, random);
    }
    SectorPoint sector = placed.sector;
    if ((!placed.fixedPosition || testFixed) && blocked(sector.X, sector.Y))
        sector = NearestSector(sector, blocked).value_or(sector);
    objects[k].SectorX = sector.X;
    objects[k].SectorY = sector.Y;
    return sector;
}
