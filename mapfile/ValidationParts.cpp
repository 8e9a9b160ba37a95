#include "mapfile/ValidationParts.h"

#include "text/TextHelpers.h"

MapIndex::MapIndex(const CUniverse& u) : universe(u) {
    for (const SystemRef& system : u.Systems()) {
        placesById.emplace(system->ID, positions.size());
        positions.emplace(system.get(), positions.size());
        systemsByName.emplace(Trim(system->name), system.get());
        objectsBySystem[system->ID];
    }
    for (const SpaceObjectRef& object : u.Objects())
        if (object->systema) objectsBySystem[object->systema->ID].push_back(object);
}

const CSystem* MapIndex::Destination(const CSpaceObject& warp) const {
    if (!warp.destSystem) return nullptr;
    if (positions.count(warp.destSystem.get())) return warp.destSystem.get();
    const auto found = systemsByName.find(Trim(warp.destSystem->name));
    return found == systemsByName.end() ? nullptr : found->second;
}

const std::vector<SpaceObjectRef>& MapIndex::ObjectsOf(const CSystem& system) const {
    static const std::vector<SpaceObjectRef> none;
    const auto found = objectsBySystem.find(system.ID);
    return found == objectsBySystem.end() ? none : found->second;
}

std::size_t MapIndex::PlaceOf(std::int32_t systemId) const {
    const auto found = placesById.find(systemId);
    return found == placesById.end() ? positions.size() : found->second;
}

void ProblemSink::Error(const char* code, const CSystem& system, std::int32_t objectId, std::string message) {
    Add(ProblemSeverity::Error, code, system, objectId, std::move(message));
}

void ProblemSink::Warning(const char* code, const CSystem& system, std::int32_t objectId, std::string message) {
    Add(ProblemSeverity::Warning, code, system, objectId, std::move(message));
}

void ProblemSink::Add(ProblemSeverity severity, const char* code, const CSystem& system, std::int32_t objectId,
                      std::string message) {
    out_.push_back(MapProblem{severity, code, system.ID, system.name, objectId, std::move(message)});
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string CellText(std::int32_t X, std::int32_t y) { return std::to_string(X) + ", " + std::to_string(y); }

std::string ObjectLabel(const CSpaceObject& object) {
    std::string_view kind = ObjectPhysicalTypeText(object.Tipo);
    std::string label = kind.empty() ? std::string("Object") : std::string(kind);
    if (object.Tipo != KindStorm && object.Tipo != KindWarpPoint && !object.name.empty())
        label += " " + Quoted(object.name);
    return label + " at " + CellText(object.coord.X, object.coord.y);
}

// Two systems alike in name or cell: the later one carries the problem.
void CheckSystemPlaces(const MapIndex& index, ProblemSink& sink) {
    std::unordered_map<std::int64_t, const CSystem*> cells;
    for (const SystemRef& system : index.universe.Systems()) {
        const CSystem* first = index.systemsByName.at(Trim(system->name));
        if (first != system.get())
            sink.Error(problem_code::DuplicateName, *system, NoID,
                       "System " + Quoted(system->name) + " at " + CellText(system->X, system->y) +
                           " has the same name as system " + Quoted(first->name) + " at " +
                           CellText(first->X, first->y));
        if (system->X < 0 || system->X >= GalaxyColumns || system->y < 0 || system->y >= GalaxyRows) {
            sink.Error(problem_code::CellOutsideGalaxy, *system, NoID,
                       "The galaxy cell " + CellText(system->X, system->y) + " is outside the 68 by 50 galaxy");
            continue;
        }
        const std::int64_t cell = static_cast<std::int64_t>(system->X) * GalaxyRows + system->y;
        const auto [place, fresh] = cells.emplace(cell, system.get());
        if (!fresh)
            sink.Error(problem_code::SharedCell, *system, NoID,
                       "Systems " + Quoted(place->second->name) + " and " + Quoted(system->name) +
                           " lie in the same galaxy cell " + CellText(system->X, system->y));
    }
}
