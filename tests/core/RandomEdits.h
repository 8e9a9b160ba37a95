#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "random/GameData.h"
#include "model/ObjectEdits.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "model/SectorField.h"
#include "model/SystemEdits.h"
#include "random/GenerationContext.h"
#include "random/RandomMap.h"
#include "random/SystemPopulation.h"

// Makes random edits of every kind on whatever map it is shown, the way a
// user's session would: systems and objects created, edited, moved and
// removed, warps with mirrors, random systems, and on request a whole
// random map. Each edit is valid for the universe at the moment it is made.
class RandomEditMaker {
public:
    enum Kind {
        AddSystem, EditSystem, RemoveSystem, AddObject, EditObject, MoveObject, RemoveObject,
        SetAbilities, MirrorWarp, RandomSystem, ReplaceMap, KindCount
    };

    RandomEditMaker(GameData& data, std::uint32_t seed) : data_(data), engine_(seed), random_(seed) {}

    // A random edit of any kind but ReplaceMap; kind receives what it is.
    // Null when the map holds nothing the drawn kind could work on.
    std::unique_ptr<MapEdit> Next(const CUniverse& u, Kind& kind) {
        kind = static_cast<Kind>(Int(0, ReplaceMap - 1));
        return Make(u, kind);
    }

    // A random edit of that kind.
    std::unique_ptr<MapEdit> Make(const CUniverse& u, Kind kind) {
        switch (kind) {
            case AddSystem: return MakeAddSystem(u);
            case EditSystem: return MakeEditSystem(u);
            case RemoveSystem: return MakeRemoveSystem(u);
            case AddObject: return MakeAddObject(u);
            case EditObject: return MakeEditObject(u);
            case MoveObject: return MakeMoveObject(u);
            case RemoveObject: return MakeRemoveObject(u);
            case SetAbilities: return MakeSetAbilities(u);
            case MirrorWarp: return MakeMirrorWarp(u);
            case RandomSystem: return MakeRandomSystem(u);
            default: return MakeReplaceMap();
        }
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Coin() { return Int(0, 1) == 1; }

    SystemRef AnySystem(const CUniverse& u) {
        if (u.Systems().empty()) return nullptr;
        return u.Systems()[static_cast<std::size_t>(Int(0, u.NSistemas() - 1))];
    }
    SpaceObjectRef AnyObject(const CUniverse& u) {
        if (u.Objects().empty()) return nullptr;
        return u.Objects()[static_cast<std::size_t>(Int(0, u.NObjetosU() - 1))];
    }
    CCoord AnySector() {
        for (;;) {
            const CCoord c{Int(SectorMinX, SectorMaxX), Int(SectorMinY, SectorMaxY)};
            if (IsValidSector(c.X, c.y)) return c;
        }
    }
    bool FreeCell(const CUniverse& u, std::int32_t& X, std::int32_t& Y) {
        for (int tries = 0; tries < 200; ++tries) {
            X = Int(0, GalaxyColumns - 1);
            Y = Int(0, GalaxyRows - 1);
            if (!u.GetOccupied(X, Y)) return true;
        }
        return false;
    }
    std::vector<CAbility> SomeAbilities() {
        std::vector<CAbility> list;
        for (int k = Int(0, 3); k > 0; --k) {
            CAbility a;
            a.IniciaCAbility();
            a.Tipe = "Ability " + std::to_string(Int(1, 40));
            a.Amount1 = std::to_string(Int(0, 500));
            a.Amount2 = std::to_string(Int(0, 9));
            list.push_back(a);
        }
        return list;
    }

    std::unique_ptr<MapEdit> MakeAddSystem(const CUniverse& u) {
        std::int32_t X = 0, Y = 0;
        if (!FreeCell(u, X, Y)) return nullptr;
        SystemRef s = NewSystem();
        s->name = "Added " + std::to_string(++serial_);
        s->X = X;
        s->y = Y;
        CStellarBackground sky;
        sky.Set(3, 1, 6, "Sky" + std::to_string(Int(1, 9)) + ".bmp");
        s->addStellarBackground(sky);
        return std::make_unique<AddSystemEdit>(s);
    }
    std::unique_ptr<MapEdit> MakeEditSystem(const CUniverse& u) {
        const SystemRef s = AnySystem(u);
        if (!s) return nullptr;
        CSystem values = *s;
        switch (Int(0, 3)) {
            case 0: values.name += " Prime"; break;
            case 1: values.Description = "Edited " + std::to_string(++serial_); break;
            case 2: FreeCell(u, values.X, values.y); break;
            default:
                values.PhysicalType = static_cast<std::uint8_t>(Int(1, 3));
                values.EmpireCanStartInSystem = Coin();
        }
        return std::make_unique<EditSystemEdit>(s->ID, values);
    }
    std::unique_ptr<MapEdit> MakeRemoveSystem(const CUniverse& u) {
        const SystemRef s = AnySystem(u);
        return s ? std::make_unique<RemoveSystemEdit>(s->ID, Coin()) : nullptr;
    }
    SpaceObjectRef NewObject(const SystemRef& s, const std::string& kind, const CUniverse& u) {
        SpaceObjectRef o = NewSpaceObject(kind);
        o->systema = s;
        o->coord = AnySector();
        o->name = "Made " + std::to_string(++serial_);
        o->StellarObjectType = Int(1, 50);
        o->resMinerals = Int(0, 255);
        if (o->Tipo == KindWarpPoint) {
            o->destSystem = AnySystem(u);
            o->destCoord = AnySector();
        }
        for (const CAbility& a : SomeAbilities()) o->AddAbility(a);
        return o;
    }
    std::unique_ptr<MapEdit> MakeAddObject(const CUniverse& u) {
        const SystemRef s = AnySystem(u);
        if (!s) return nullptr;
        static const char* const kinds[] = {"STAR", "PLANET", "ASTEROID", "STORM", "WARP"};
        return std::make_unique<AddObjectEdit>(NewObject(s, kinds[Int(0, 4)], u), s->ID);
    }
    std::unique_ptr<MapEdit> MakeEditObject(const CUniverse& u) {
        const SpaceObjectRef o = AnyObject(u);
        if (!o) return nullptr;
        CSpaceObject values = *o;
        values.name += " B";
        values.coord = AnySector();
        values.resOrganics = Int(0, 255);
        values.Temperature = Int(-200, 200);
        if (values.Tipo == KindWarpPoint) values.destSystem = AnySystem(u);
        return std::make_unique<EditObjectEdit>(o->ID, values);
    }
    std::unique_ptr<MapEdit> MakeMoveObject(const CUniverse& u) {
        const SpaceObjectRef o = AnyObject(u);
        return o ? std::make_unique<MoveObjectEdit>(o->ID, AnySector()) : nullptr;
    }
    std::unique_ptr<MapEdit> MakeRemoveObject(const CUniverse& u) {
        const SpaceObjectRef o = AnyObject(u);
        return o ? std::make_unique<RemoveObjectEdit>(o->ID) : nullptr;
    }
    std::unique_ptr<MapEdit> MakeSetAbilities(const CUniverse& u) {
        const SpaceObjectRef o = AnyObject(u);
        return o ? std::make_unique<SetAbilitiesEdit>(o->ID, SomeAbilities()) : nullptr;
    }
    std::unique_ptr<MapEdit> MakeMirrorWarp(const CUniverse& u) {
        const SystemRef from = AnySystem(u), to = AnySystem(u);
        if (!from || from == to) return nullptr;
        SpaceObjectRef warp = NewObject(from, "WARP", u);
        warp->destSystem = to;
        SpaceObjectRef mirror = NewObject(to, "WARP", u);
        mirror->destSystem = from;
        mirror->destCoord = warp->coord;
        warp->destCoord = mirror->coord;
        return std::make_unique<AddMirrorWarpEdit>(warp, from->ID, mirror, to->ID);
    }
    GenerationContext Context(CUniverse& scratch) {
        return GenerationContext{scratch, data_, random_, reporter_, false, {}};
    }
    std::unique_ptr<MapEdit> MakeRandomSystem(const CUniverse& u) {
        const auto& types = data_.RandomSystemTypes.Types();
        std::int32_t X = 0, Y = 0;
        if (types.empty() || !FreeCell(u, X, Y)) return nullptr;
        CUniverse scratch;
        GenerationContext context = Context(scratch);
        const std::string type = types[static_cast<std::size_t>(Int(0, static_cast<int>(types.size()) - 1))].Name;
        const SystemRef made = GenerateRandomSystem(context, type, X, Y, "");
        return std::make_unique<AddRandomSystemEdit>(DetachSystem(scratch, made->ID));
    }
    std::unique_ptr<MapEdit> MakeReplaceMap() {
        CUniverse replacement;
        GenerationContext context = Context(replacement);
        const std::int32_t N = Int(150, 200);
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", N, "Random");
        return std::make_unique<ReplaceMapEdit>(std::move(replacement),
                                                "Random Map (" + std::to_string(N) + " systems)");
    }

    GameData& data_;
    std::mt19937 engine_;
    RandomSource random_;
    SilentReporter reporter_;
    int serial_ = 0;
};
