#include "mapfile/MapValidator.h"

#include <algorithm>

#include "text/TextHelpers.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/ValidationParts.h"
#include "model/SectorField.h"

namespace {

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// The values an object writes as text of its own, with what each is called.
std::vector<std::pair<const char*, const std::string*>> ObjectTexts(const CSpaceObject& object) {
    std::vector<std::pair<const char*, const std::string*>> texts;
    if (object.Tipo != KindStorm && object.Tipo != KindWarpPoint) texts.emplace_back("name", &object.name);
    if (object.Tipo == KindPlanet) {
        texts.emplace_back("conditions", &object.Conditions);
        texts.emplace_back("gravity", &object.Gravity);
    }
    for (std::int32_t j = 0; j < object.HeldAbilities(); ++j) {
        const CAbility& ability = object.habilidades[static_cast<std::size_t>(j)];
        for (const std::string* text : {&ability.Tipe, &ability.Description, &ability.Scope, &ability.Amount1,
                                        &ability.Amount2})
            texts.emplace_back("ability", text);
    }
    return texts;
}

void CheckSystemTexts(const CSystem& system, ProblemSink& sink) {
    const std::string skyBox = system.GetSkyBox();
    const std::pair<const char*, const std::string*> texts[] = {
        {"name", &system.name},
        {"description", &system.Description},
        {"portrait bitmap", &system.PortraitBitmap},
        {"background bitmap", &skyBox}};
    for (const auto& [what, text] : texts)
        if (HasLineBreak(*text))
            sink.Error(problem_code::LineBreak, system, NoID, "The system's " + std::string(what) +
                                                                  " holds a line break");
}

void CheckObject(const CSystem& system, const CSpaceObject& object, const StellarTypeNames* names,
                 ProblemSink& sink) {
    const std::string label = ObjectLabel(object);
    if (!IsValidSector(object.coord.X, object.coord.y))
        sink.Error(problem_code::SectorOutsideField, system, object.ID, label + " lies outside the sector field");
    if (names && names->TypeNameOfOrdinal(object.StellarObjectType).empty())
        sink.Error(problem_code::UnknownStellarType, system, object.ID,
                   label + " has a stellar type unknown to the catalogue" +
                       (object.StellarObjectType > 0 ? " (" + std::to_string(object.StellarObjectType) + ")" : ""));
    for (const auto& [what, text] : ObjectTexts(object))
        if (HasLineBreak(*text)) {
            sink.Error(problem_code::LineBreak, system, object.ID,
                       label + ": its " + std::string(what) + " holds a line break");
            break;
        }
    if (ObjectLineCount(object) > MaxObjectLines)
        sink.Error(problem_code::ObjectTooLarge, system, object.ID,
                   label + " has " + std::to_string(object.HeldAbilities()) + " abilities, more than one object may hold");
    if (!KindAllowedIn(system.PhysicalType, object.Tipo))
        sink.Warning(problem_code::KindNotAllowed, system, object.ID,
                     label + " lies in a " + PhysicalTypeText(system.PhysicalType) + " system, which holds no " +
                         std::string(ObjectPhysicalTypeText(object.Tipo)) + " objects");
}

void CheckBlockSize(const CSystem& system, const std::vector<SpaceObjectRef>& objects,
                    const ValidationOptions& options, ProblemSink& sink) {
    std::int64_t lines = system.PhysicalType == PhysicalBlackHole ? 17 + options.blackHoleTemplateLines : 19;
    for (const SpaceObjectRef& object : objects) lines += ObjectLineCount(*object);
    if (lines > MaxSystemBlockLines)
        sink.Error(problem_code::SystemTooLarge, system, NoID,
                   "The system needs " + std::to_string(lines) + " lines in the map, more than the " +
                       std::to_string(MaxSystemBlockLines) + " one system may hold");
}

// With the strict setting an object may not stand where an earlier one
// already is, a star taking its 3 by 3 block.
void CheckSharedSectors(const CSystem& system, const std::vector<SpaceObjectRef>& objects, ProblemSink& sink) {
    for (std::size_t j = 1; j < objects.size(); ++j) {
        const CSpaceObject& later = *objects[j];
        const auto overlaps = [&](const SpaceObjectRef& earlier) {
            return earlier->GetOccupied(later.coord.X, later.coord.y) ||
                   later.GetOccupied(earlier->coord.X, earlier->coord.y);
        };
        const auto earlier = std::find_if(objects.begin(), objects.begin() + static_cast<std::ptrdiff_t>(j), overlaps);
        if (earlier != objects.begin() + static_cast<std::ptrdiff_t>(j))
            sink.Warning(problem_code::SharedSector, system, later.ID,
                         ObjectLabel(later) + " shares its sector with " + ObjectLabel(**earlier));
    }
}

void CheckSystem(const MapIndex& index, const CSystem& system, const StellarTypeNames& names,
                 const ValidationOptions& options, ProblemSink& sink) {
    const std::vector<SpaceObjectRef>& objects = index.ObjectsOf(system);
    CheckSystemTexts(system, sink);
    CheckBlockSize(system, objects, options, sink);
    if (objects.empty()) sink.Warning(problem_code::EmptySystem, system, NoID, "The system holds no objects");
    const StellarTypeNames* typeNames = options.checkStellarTypes ? &names : nullptr;
    for (const SpaceObjectRef& object : objects) CheckObject(system, *object, typeNames, sink);
    if (!options.multipleObjectsAllowed) CheckSharedSectors(system, objects, sink);
}

}  // namespace

ValidationOptions ValidationOptionsFor(const std::filesystem::path& programFolder, bool multipleObjectsAllowed) {
    ValidationOptions options;
    options.multipleObjectsAllowed = multipleObjectsAllowed;
    if (const auto lines = ReadTextLines(programFolder / BlackHoleTemplateName))
        options.blackHoleTemplateLines = static_cast<std::int32_t>(lines->size());
    return options;
}

std::vector<MapProblem> ValidateMap(const CUniverse& universe, const StellarTypeNames& names,
                                    const ValidationOptions& options) {
    std::vector<MapProblem> problems;
    ProblemSink sink(problems);
    const MapIndex index(universe);
    CheckSystemPlaces(index, sink);
    for (const SystemRef& system : universe.Systems()) CheckSystem(index, *system, names, options, sink);
    CheckWarps(index, sink);
    CheckReachability(index, sink);
    // Errors first; within a severity, in map order of their systems.
    std::stable_sort(problems.begin(), problems.end(), [&](const MapProblem& a, const MapProblem& b) {
        if (a.IsError() != b.IsError()) return a.IsError();
        return index.PlaceOf(a.systemId) < index.PlaceOf(b.systemId);
    });
    return problems;
}
