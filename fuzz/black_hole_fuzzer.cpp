// Any bytes as "BlackHole.dat": a map with black holes is either refused
// with a reason or written so that it loads back, system for system.
#include "FuzzSupport.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteFile(BlackHoleTemplateName, fuzz::Text(data, size));
    CUniverse universe;
    for (int k = 0; k < 2; ++k) {
        SystemRef system = NewSystem();
        system->name = "Hole " + std::to_string(k);
        system->X = k;
        system->PhysicalType = PhysicalBlackHole;
        universe.AddSystem(system);
        auto star = std::make_shared<CSpaceObject>();
        star->IniciaCObjeto("STAR");
        star->systema = system;
        universe.AddSpaceObject(star, system->ID);
    }
    OpenTypeNames names;
    const TxtBlock map = GenerateMapTxt(universe, names, fuzz::Folder());
    if (!map.error.empty()) return 0;
    const LoadResult loaded = LoadMapTextFromMemory(map.text, "holes.txt", names);
    fuzz::Check(loaded.Ok());
    fuzz::Check(loaded.universe->NSistemas() == 2 && loaded.universe->NObjetosU() == 2);
    return 0;
}
