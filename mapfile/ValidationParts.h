#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "mapfile/MapProblems.h"
#include "model/CUniverse.h"

// The pieces the map checks share: the map looked at once, indexed for the
// questions every check asks, and the list the problems go into.

struct MapIndex {
    explicit MapIndex(const CUniverse& universe);

    // The system a warp leads to: the very record when it is in the map,
    // else the first system whose trimmed name matches; nullptr when none.
    const CSystem* Destination(const CSpaceObject& warp) const;
    // The system's objects in object-list order (the order they are written).
    const std::vector<SpaceObjectRef>& ObjectsOf(const CSystem& system) const;
    // The place in the system list of the system with that ID.
    std::size_t PlaceOf(std::int32_t systemId) const;

    const CUniverse& universe;
    std::unordered_map<std::int32_t, std::vector<SpaceObjectRef>> objectsBySystem;
    std::unordered_map<std::string, const CSystem*> systemsByName;  // first system of each trimmed name
    std::unordered_map<const CSystem*, std::size_t> positions;      // place in the system list
    std::unordered_map<std::int32_t, std::size_t> placesById;
};

class ProblemSink {
public:
    explicit ProblemSink(std::vector<MapProblem>& out) : out_(out) {}
    void Error(const char* code, const CSystem& system, std::int32_t objectId, std::string message);
    void Warning(const char* code, const CSystem& system, std::int32_t objectId, std::string message);

private:
    void Add(ProblemSeverity severity, const char* code, const CSystem& system, std::int32_t objectId,
             std::string message);
    std::vector<MapProblem>& out_;
};

// "Planet "Vega II" at 3, -2", "Warp Point at 0, 5": how messages name an object.
std::string ObjectLabel(const CSpaceObject& object);
// The name in quotes, as messages show system names.
std::string Quoted(const std::string& text);
// "3, -2".
std::string CellText(std::int32_t X, std::int32_t y);

// The checks, each adding what it finds.
void CheckSystemPlaces(const MapIndex& index, ProblemSink& sink);
void CheckWarps(const MapIndex& index, ProblemSink& sink);
void CheckReachability(const MapIndex& index, ProblemSink& sink);
