// Generated maps from unusual data files must still save, load back and
// compile: names, fixed locations, crowded system types and chances.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

#include "RandomTestSupport.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"
#include "random/SystemPopulation.h"

using namespace randomtest;

namespace {

// The map as the compiler would check it: written, then loaded with every
// key compared and every warp resolved.
void ExpectCompilableMap(const CUniverse& universe, const std::filesystem::path& programFolder) {
    OpenTypeNames names;
    const TxtBlock map = GenerateMapTxt(universe, names, programFolder);
    ASSERT_EQ(map.error, "");
    const LoadResult loaded = LoadMapTextFromMemory(map.text, "generated", names, LoadOptions{true, true, true});
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.universe->NSistemas(), universe.NSistemas());
}

std::vector<std::string> MessagesWith(const RecordingReporter& reporter, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& m : reporter.Messages())
        if (m.find(part) != std::string::npos) found.push_back(m);
    return found;
}

}  // namespace

TEST(RandomMapFiles, BlankAndRepeatedNamesAreNeverHandedOut) {
    Fixture f;
    ASSERT_TRUE(f.data.SystemNames.LoadSystemNames(
        f.folder.Write("Names.txt", {"Ara", "", "   ", "Bel", "Ara", " Bel ", "Cor"}), f.reporter));
    ASSERT_EQ(f.data.SystemNames.Entries().size(), 3u);
    EXPECT_EQ(f.data.SystemNames.Entries()[1].Name, "Bel");
    f.GenerateMap("Open", 20, "Random");
    std::set<std::string> names;
    for (const auto& s : f.universe.Systems()) {
        EXPECT_FALSE(Trim(s->name).empty());
        EXPECT_TRUE(names.insert(Trim(s->name)).second) << s->name;
    }
    EXPECT_TRUE(names.count("Ara") && names.count("Bel") && names.count("Cor"));
    ExpectCompilableMap(f.universe, f.folder.Path());

    // A file of blank lines gives no names at all and is a failure.
    EXPECT_FALSE(f.data.SystemNames.LoadSystemNames(f.folder.Write("Blank.txt", {"", " ", ""}), f.reporter));
    EXPECT_NE(f.reporter.Messages().back().find("nothing usable was read"), std::string::npos);
}

TEST(RandomMapFiles, GeneratedNamesNeverRepeatAPoolName) {
    Fixture f;
    // The rules give only "Ara": once the pool is used up, numbered names follow.
    f.folder.Write("rules.dat", {"Ara"});
    ASSERT_TRUE(f.data.SystemNames.LoadSystemNames(f.folder.Write("Names.txt", {"Ara ", "System 2"}), f.reporter));
    f.GenerateMap("Open", 5, "Random");
    std::set<std::string> names;
    for (const auto& s : f.universe.Systems()) EXPECT_TRUE(names.insert(Trim(s->name)).second) << s->name;
    EXPECT_EQ(names, (std::set<std::string>{"Ara", "System 1", "System 2", "System 3", "System 4"}));
}

TEST(RandomMapFiles, FixedLocationsOffTheGalaxyAreReportedOnceAndSkipped) {
    for (const char* shape : {"Random", "Spiral", "Grid", "Islands"}) {
        Fixture f;
        f.GenerateMap("Far", 12, shape);
        ASSERT_EQ(f.universe.NSistemas(), 12) << shape;
        for (const auto& s : f.universe.Systems())
            EXPECT_TRUE(GalaxyOccupancy::OnGrid(s->X, s->y)) << shape << " " << s->X << "," << s->y;
        const auto reported = MessagesWith(f.reporter, "lies outside the galaxy");
        ASSERT_EQ(reported.size(), 3u) << shape;
        EXPECT_EQ(reported[1], "The location 70, 60 of the Quadrant Type 'Far' lies outside the galaxy; it is skipped");
        ExpectCompilableMap(f.universe, f.folder.Path());
    }
}

TEST(RandomMapFiles, ASystemTypeWithTooManyObjectsIsCutToOneBlockWithOneWarning) {
    Fixture f;
    std::vector<FixtureObject> hundred(100, {"Planet", "Any", "Normal Planet"});
    std::vector<std::string> types;
    AppendSystemType(types, "Huge", "Normal", hundred);
    AppendSystemType(types, "Huge Hole", "Black Hole", hundred);
    types.push_back("*END*");
    ASSERT_TRUE(f.data.RandomSystemTypes.LoadRandomSystemTypes(f.folder.Write("Types.txt", types), f.reporter));
    std::vector<std::string> quadrants;
    AppendQuadrantType(quadrants, "Crowds", 3, {}, {{"Huge", 500}, {"Huge Hole", 500}});
    quadrants.push_back("*END*");
    ASSERT_TRUE(f.data.QuadrantTypes.LoadQuadrantTypes(f.folder.Write("Quadrants.txt", quadrants), f.reporter));
    std::ofstream(f.folder.Path() / BlackHoleTemplateName, std::ios::binary)
        << [] {
               std::string lines;
               for (int k = 0; k < 31; ++k) lines += "Black Hole Line " + std::to_string(k) + "\r\n";
               return lines;
           }();

    f.GenerateMap("Crowds", 8, "Random");
    // Each planet may carry both abilities of its group: 24 lines a planet.
    EXPECT_EQ(MessagesWith(f.reporter, "'Huge'"),
              std::vector<std::string>{"The System Type 'Huge' has more objects than one system can hold; only its "
                                       "first 32 are placed"});
    EXPECT_EQ(MessagesWith(f.reporter, "'Huge Hole'").size(), 1u);
    // 19 lines before the objects of a normal block, 48 of a black-hole one.
    std::set<std::size_t> planets;
    for (const auto& s : f.universe.Systems()) {
        const auto objects = f.universe.SpaceObjectsOf(s->ID);
        planets.insert(static_cast<std::size_t>(std::count_if(
            objects.begin(), objects.end(), [](const SpaceObjectRef& o) { return o->Tipo == KindPlanet; })));
    }
    EXPECT_EQ(planets, (std::set<std::size_t>{31, 32}));
    ExpectCompilableMap(f.universe, f.folder.Path());
}

TEST(RandomMapFiles, ChancesOfAnySizeAreSummedWithoutOverflowAndNegativesCountNothing) {
    QuadrantType quadrant;
    quadrant.SystemTypeChances = {{"Least", INT_MIN}, {"Negative", -1}, {"Huge", INT_MAX}, {"Never", 1000}};
    RandomSource random(3);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(DrawSystemTypeName(quadrant, random), "Huge");
    // A negative chance would take its amount from the next one.
    quadrant.SystemTypeChances = {{"Negative", -1000}, {"First", 1000}, {"Second", 1000}};
    for (int k = 0; k < 50; ++k) EXPECT_EQ(DrawSystemTypeName(quadrant, random), "First");
}
