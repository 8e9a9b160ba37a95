#pragma once

#include <string>
#include <vector>

#include "TempFolder.h"
#include "random/GameData.h"
#include "model/CUniverse.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/GenerationContext.h"
#include "random/RandomMap.h"

namespace randomtest {

// Keyed lines of the quadrant, system type and ability files.
inline std::string Q(const std::string& key, const std::string& value) { return Keyed(key, 26, value); }
inline std::string S(const std::string& key, const std::string& value) { return Keyed(key, 49, value); }
inline std::string A(const std::string& key, const std::string& value) { return Keyed(key, 48, value); }

struct FixtureObject {
    std::string kind, rule, group;
};

inline void AppendSystemType(std::vector<std::string>& out, const std::string& name, const std::string& physical,
                             const std::vector<FixtureObject>& objects) {
    out.push_back(S("Name", name));
    out.push_back(S("Description", name + " system"));
    out.push_back(S("Physical Type", physical));
    out.push_back(S("Portrait", "portrait.bmp"));
    out.push_back(S("Portrait Index", "3"));
    out.push_back(S("Can Start", "True"));
    out.push_back(S("Number of Groups", "0"));
    out.push_back(S("Unused", "x"));
    out.push_back(S("Chance Unused 1", "x"));
    out.push_back(S("Chance Unused 2", "x"));
    out.push_back(S("Chance Type", "Plain"));
    out.push_back(S("Number of Objects", std::to_string(objects.size())));
    for (const auto& o : objects) {
        out.push_back(S("Obj Physical Type", o.kind));
        out.push_back(S("Obj Position", o.rule));
        out.push_back(S("Obj Ability Group", o.group));
        out.push_back(S("Obj Unused", "x"));
        out.push_back(S("Obj Size", "Any"));
        if (o.kind == "Star") {
            out.push_back(S("Obj Unused", "x"));
            out.push_back(S("Obj Colour", "Any"));
            out.push_back(S("Obj Unused", "x"));
        } else if (o.kind == "Planet") {
            out.push_back(S("Obj Atmosphere", "Any"));
            out.push_back(S("Obj Type", "Any"));
        } else if (o.kind == "Asteroids") {
            out.push_back(S("Obj Unused", "x"));
            out.push_back(S("Obj Type", "Any"));
        }
    }
}

struct FixtureChance {
    std::string type;
    int chance;
};

inline void AppendQuadrantType(std::vector<std::string>& out, const std::string& name, int maxWarps,
                               const std::vector<std::pair<int, int>>& locations,
                               const std::vector<FixtureChance>& chances) {
    out.push_back(Q("Name", name));
    out.push_back(Q("Description", "x"));
    out.push_back(Q("Unused Number", "0"));
    out.push_back(Q("Unused", "x"));
    out.push_back(Q("Max Warp Points", std::to_string(maxWarps)));
    out.push_back(Q("Number of Locations", std::to_string(locations.size())));
    for (const auto& [x, y] : locations) {
        out.push_back(Q("Location Type", "Vega Type"));
        out.push_back(Q("Location X", std::to_string(x)));
        out.push_back(Q("Location Y", std::to_string(y)));
    }
    out.push_back(Q("Number of System Types", std::to_string(chances.size())));
    for (const auto& c : chances) {
        out.push_back(Q("System Type", c.type));
        out.push_back(Q("Chance", std::to_string(c.chance)));
    }
}

// A small data set written to a temporary folder and loaded into a GameData:
// quadrant types "Open" (no locations), "Fixed" (12 locations) and "Short"
// (chances adding up to 600), "Far" (locations off the grid), "Tight" (at most
// three warp points per system); system types "Vega Type" (one object of every
// rule kind), "Crowded" (41 objects that all ask for the centre), "Broken"
// (rules that never give a valid sector), "Nebula" (no objects); 250 names;
// the "Normal Planet" abilities "Always" (chance 1000) and "Never" (0). The
// stellar catalogue stays empty, so every object gets type 0.
class Fixture {
public:
    Fixture() {
        WriteQuadrantTypes();
        WriteSystemTypes();
        WriteNames();
        WriteAbilities();
        Write("rules.dat", {"CVCV"});
        data.ProgramFolder = folder.Path();
        data.QuadrantTypes.LoadQuadrantTypes(folder.Path() / "QuadrantTypes.txt", reporter);
        data.RandomSystemTypes.LoadRandomSystemTypes(folder.Path() / "SystemTypes.txt", reporter);
        data.SystemNames.LoadSystemNames(folder.Path() / "SystemNames.txt", reporter);
        data.Abilities.ParseStellarAbilityTypes(folder.Path() / "StellarAbilityTypes.txt", reporter);
    }
    GenerationContext Context(bool multiple = false) {
        return GenerationContext{universe, data, random, reporter, multiple, {}};
    }
    void GenerateMap(const std::string& quadrant, std::int32_t N, const std::string& shape) {
        GenerationContext context = Context();
        RandomMapGenerator().GenerateRandomMap(context, quadrant, N, shape);
    }

    TempFolder folder;
    GameData data;
    CUniverse universe;
    RandomSource random{12345};
    RecordingReporter reporter;

private:
    void Write(const std::string& name, const std::vector<std::string>& lines) { folder.Write(name, lines); }
    void WriteQuadrantTypes() {
        std::vector<std::string> lines;
        AppendQuadrantType(lines, "Open", 6, {}, {{"Vega Type", 500}, {"Nebula", 300}, {"Crowded", 200}});
        std::vector<std::pair<int, int>> twelve;
        for (int k = 0; k < 12; ++k) twelve.push_back({4 + 5 * k, 10 + 2 * k});
        AppendQuadrantType(lines, "Fixed", 5, twelve, {{"Nebula", 1000}});
        AppendQuadrantType(lines, "Short", 4, {}, {{"Vega Type", 100}, {"Nebula", 300}, {"Broken", 200}});
        AppendQuadrantType(lines, "Far", 5, {{2000000000, -2000000000}, {70, 60}, {-5, 20}}, {{"Vega Type", 1000}});
        AppendQuadrantType(lines, "Tight", 3, {}, {{"Vega Type", 1000}});
        lines.push_back("*END*");
        Write("QuadrantTypes.txt", lines);
    }
    void WriteSystemTypes() {
        std::vector<std::string> lines;
        AppendSystemType(lines, "Vega Type", "Normal",
                         {{"Star", "Ring 1", "Normal Star"},
                          {"Planet", "Ring 3", "Normal Planet"},
                          {"Planet", "Any", "Normal Planet"},
                          {"Asteroids", "Offset 1 x 2", "Normal Asteroids"},
                          {"Storm", "Circle 0 7, 7", "Normal Storm"},
                          {"Planet", "Same 0 1", "Normal Planet"},
                          {"Asteroids", "Coord -4,3", "Normal Asteroids"}});
        std::vector<FixtureObject> crowded{{"Star", "Ring 1", ""}};
        for (int k = 0; k < 40; ++k) crowded.push_back({"Planet", "Ring 1", ""});
        AppendSystemType(lines, "Crowded", "Normal", crowded);
        AppendSystemType(lines, "Broken", "Black Hole",
                         {{"Planet", "Ring 0", ""},
                          {"Planet", "Coord 14,0", ""},
                          {"Planet", "Offset 9 x 1", ""},
                          {"Storm", "Circle 0 x", ""},
                          {"Planet", "Bogus", ""}});
        AppendSystemType(lines, "Nebula", "Nebulae", {});
        lines.push_back("*END*");
        Write("SystemTypes.txt", lines);
    }
    void WriteNames() {
        std::vector<std::string> lines;
        for (int k = 1; k <= 250; ++k) lines.push_back("Star" + std::to_string(k));
        Write("SystemNames.txt", lines);
    }
    void WriteAbilities() {
        Write("StellarAbilityTypes.txt", {A("Name ", "Normal Planet"), A("Count", "2"), A("Chance", "1000"),
                                          A("Tipe", "Always"), A("Description", "d"), A("Scope", "s"),
                                          A("Range", "0"), A("Amount 1", "1"), A("Amount 2", "2"),
                                          A("Chance", "0"), A("Tipe", "Never"), A("Description", "d"),
                                          A("Scope", "s"), A("Range", "0"), A("Amount 1", "1"), A("Amount 2", "2")});
    }
};

}  // namespace randomtest
