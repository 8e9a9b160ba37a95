// The warp network: destinations that exist, warps that lead back, and
// groups of systems no warp route reaches.
#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "mapfile/ValidationParts.h"
#include "model/SectorField.h"

namespace {

// Which systems each system's warps lead to.
using Links = std::unordered_map<const CSystem*, std::unordered_set<const CSystem*>>;

Links WarpLinks(const MapIndex& index) {
    Links links;
    for (const SpaceObjectRef& object : index.universe.Objects())
        if (object->Tipo == KindWarpPoint && object->systema)
            if (const CSystem* to = index.Destination(*object)) links[object->systema.get()].insert(to);
    return links;
}

void CheckOneWarp(const MapIndex& index, const Links& links, const CSystem& from, const CSpaceObject& warp,
                  ProblemSink& sink) {
    const std::string label = ObjectLabel(warp);
    const CSystem* to = index.Destination(warp);
    if (!IsValidSector(warp.destCoord.X, warp.destCoord.y))
        sink.Error(problem_code::InvalidDestinationSector, from, warp.ID,
                   label + " arrives at sector " + CellText(warp.destCoord.X, warp.destCoord.y) +
                       ", which is outside the sector field");
    if (!to) {
        const std::string name = warp.destSystem ? warp.destSystem->name : std::string();
        sink.Error(problem_code::MissingDestination, from, warp.ID,
                   name.empty() ? label + " leads to no system"
                                : label + " leads to " + Quoted(name) + ", which is not in the map");
        return;
    }
    const auto back = links.find(to);
    if (to != &from && (back == links.end() || !back->second.count(&from)))
        sink.Warning(problem_code::OneWayWarp, from, warp.ID,
                     label + " leads to " + Quoted(to->name) + ", which has no warp back to " + Quoted(from.name));
}

// Union-find over system positions.
class Groups {
public:
    explicit Groups(std::size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), std::size_t{0}); }
    std::size_t Root(std::size_t i) {
        while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Join(std::size_t a, std::size_t b) { parent_[Root(a)] = Root(b); }

private:
    std::vector<std::size_t> parent_;
};

std::string NameList(const std::vector<const CSystem*>& systems) {
    std::string text;
    for (const CSystem* system : systems) text += (text.empty() ? "" : ", ") + Quoted(system->name);
    return text;
}

}  // namespace

void CheckWarps(const MapIndex& index, ProblemSink& sink) {
    const Links links = WarpLinks(index);
    for (const SystemRef& system : index.universe.Systems())
        for (const SpaceObjectRef& object : index.ObjectsOf(*system))
            if (object->Tipo == KindWarpPoint) CheckOneWarp(index, links, *system, *object, sink);
}

// Every group of systems joined by warps (either way) other than the largest
// gets one warning, on its first system; on a tie the earlier group counts
// as the rest of the galaxy.
void CheckReachability(const MapIndex& index, ProblemSink& sink) {
    const std::vector<SystemRef>& systems = index.universe.Systems();
    Groups groups(systems.size());
    for (const auto& [from, destinations] : WarpLinks(index))
        for (const CSystem* to : destinations) groups.Join(index.positions.at(from), index.positions.at(to));
    std::unordered_map<std::size_t, std::vector<const CSystem*>> members;
    std::vector<std::size_t> order;  // roots by their first system
    for (std::size_t i = 0; i < systems.size(); ++i) {
        auto& group = members[groups.Root(i)];
        if (group.empty()) order.push_back(groups.Root(i));
        group.push_back(systems[i].get());
    }
    if (order.size() < 2) return;
    const std::size_t largest = *std::max_element(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return members[a].size() < members[b].size();
    });
    for (std::size_t root : order) {
        if (root == largest) continue;
        const auto& group = members[root];
        const std::string count = group.size() == 1 ? "System " : std::to_string(group.size()) + " systems ";
        sink.Warning(problem_code::Unreachable, *group.front(), NoID,
                     count + NameList(group) + " cannot" +
                         " be reached through warps from the rest of the galaxy");
    }
}
