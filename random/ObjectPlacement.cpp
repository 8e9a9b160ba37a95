#include "random/ObjectPlacement.h"

#include "text/TextHelpers.h"
#include "model/SectorField.h"
#include "model/RandomDraws.h"

#include <cmath>
#include <cstdlib>

namespace {

// Evaluations of one rule before it is given up for the centre sector.
constexpr int MaxRuleTries = 100;
// Placements of one object before the nearest free sector is searched.
constexpr int MaxPlacementTries = 200;
constexpr int MaxRingDraws = 1000;

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

RuleEvaluation EvaluatePositionRule(const std::string& rule, const std::vector<SystemTypeObject>& objects,
                                    RandomSource& random) {
    const std::vector<std::string> words = SplitAt(rule, ' ');
    const std::string& word = words[0];
    RuleEvaluation result;
    result.sector = SectorPoint{0, 0};
    if (word == "Ring") {
        result.sector = Ring(words, random);
        // Only a ring of some size draws; "Ring 1" and a malformed ring never change.
        const std::optional<std::int32_t> n = Number(words, 1);
        result.drawn = n && *n > 0 && words[1] != "1";
    } else if (word == "Coord") {
        result.sector = Coord(words);
        result.fixedPosition = true;
    } else if (word == "Offset") {
        result.drawn = true;
        result.sector = Offset(words, objects, random);
    } else if (word == "Circle") {
        result.drawn = true;
        result.sector = Circle(words, random);
    } else if (word == "Same") {
        result.sector = PlacedSector(objects, Number(words, 2));
        result.fixedPosition = true;
    } else if (word == "Any") {
        result.drawn = true;
        const std::int32_t X = RandomInt(random, -13, 13);
        result.sector = SectorPoint{X, RandomInt(random, -10, 10)};
    }
    if (result.sector && !IsValidSector(result.sector->X, result.sector->Y)) result.sector.reset();
    return result;
}

RuleResult PlaceObject(std::size_t k, const std::vector<SystemTypeObject>& objects, RandomSource& random) {
    const std::string& rule = objects.at(k).PositionRule;
    for (int attempt = 0; attempt < MaxRuleTries; ++attempt) {
        const RuleEvaluation evaluation = EvaluatePositionRule(rule, objects, random);
        if (evaluation.sector) return RuleResult{*evaluation.sector, evaluation.fixedPosition, evaluation.drawn};
        if (!evaluation.drawn) break;
    }
    return RuleResult{};
}

SectorPoint PlaceObjectAvoiding(std::size_t k, std::vector<SystemTypeObject>& objects, const SectorTest& blocked,
                                bool testFixed, RandomSource& random) {
    auto mustMove = [&](const RuleResult& r) {
        return (!r.fixedPosition || testFixed) && blocked(r.sector.X, r.sector.Y);
    };
    RuleResult placed = PlaceObject(k, objects, random);
    for (int attempt = 1; attempt < MaxPlacementTries && placed.drawn && mustMove(placed); ++attempt)
        placed = PlaceObject(k, objects, random);
    SectorPoint sector = placed.sector;
    if (mustMove(placed)) sector = NearestSector(sector, blocked).value_or(sector);
    objects[k].SectorX = sector.X;
    objects[k].SectorY = sector.Y;
    return sector;
}
