#include <gtest/gtest.h>

#include "TestFiles.h"
#include "random/ChanceTypes.h"
#include "random/RandomSystemTypes.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 49, value); }

std::vector<std::string> Head(const std::string& name, int objects, int clouds = 0) {
    std::vector<std::string> lines{L("Name", name), L("Description", "A type"), L("Physical", "Nebulae"),
                                   L("Portrait", "P.bmp"), L("Index", "2"), L("Start", "True"),
                                   L("Clouds", std::to_string(clouds))};
    for (int i = 0; i < 6 * clouds; ++i) lines.push_back(L("Cloud", "x"));
    for (const char* k : {"Common", "Min", "Max"}) lines.push_back(L(k, "0"));
    lines.push_back(L("Chance Type", "Standard"));
    lines.push_back(L("Objects", std::to_string(objects)));
    return lines;
}

void Add(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

std::vector<std::string> Star(const std::string& colour) {
    return {L("Kind", "Star"), L("Rule", "Ring 1"), L("Group", "Normal Star"), L("x", ""), L("Size", "Huge"),
            L("Age", ""), L("Colour", colour), L("Lum", "")};
}
std::vector<std::string> Planet() {
    return {L("Kind", "Planet"), L("Rule", "Any"), L("Group", "Normal Planet"), L("x", ""), L("Size", "Tiny"),
            L("Atmosphere", "Oxygen"), L("Type", "Ice")};
}
std::vector<std::string> Asteroids(const std::string& size = "Small") {
    return {L("Kind", "Asteroids"), L("Rule", "Ring 5"), L("Group", ""), L("x", ""), L("Size", size), L("Density", ""),
            L("Type", "Rock")};
}
std::vector<std::string> Storm() {
    return {L("Kind", "Storm"), L("Rule", "Same As 0"), L("Group", "Normal Storm"), L("x", ""), L("Size", "Any")};
}

// Every field of an object on one line: kind, rule, group, size, colour, atmosphere, type.
std::string Described(const SystemTypeObject& o) {
    return o.PhysicalKind + "|" + o.PositionRule + "|" + o.AbilityGroup + "|" + o.Size + "|" + o.Colour + "|" +
           o.Atmosphere + "|" + o.ObjectType;
}

using RandomSystemTypesTest = DataFileTest<RandomSystemTypeTable, &RandomSystemTypeTable::LoadRandomSystemTypes>;

TEST_F(RandomSystemTypesTest, EachKindTakesItsOwnNumberOfLines) {
    auto body = Head("Mixed", 4, 1);
    Add(body, Storm());
    Add(body, Star("Blue"));
    Add(body, Planet());
    Add(body, Asteroids());
    Add(body, Head("Next", 0));
    for (bool crlf : {true, false}) {
        ASSERT_TRUE(Read(Framed(body), crlf));
        ASSERT_EQ(table.Types().size(), 2u);
        const RandomSystemType t = table.FindRandomSystemType("Mixed");
        EXPECT_EQ(t.Description + "|" + t.PhysicalType + "|" + t.ChanceType, "A type|Nebulae|Standard");
        EXPECT_EQ(t.PortraitIndex, 2);
        ASSERT_EQ(t.Objects.size(), 4u);
        EXPECT_EQ(Described(t.Objects[0]), "Storm|Same As 0|Normal Storm|Any|||");
        EXPECT_EQ(Described(t.Objects[1]), "Star|Ring 1|Normal Star|Huge|Blue||");
        EXPECT_EQ(Described(t.Objects[2]), "Planet|Any|Normal Planet|Tiny||Oxygen|Ice");
        EXPECT_EQ(Described(t.Objects[3]), "Asteroids|Ring 5||Small|||Rock");
        EXPECT_EQ(table.FindRandomSystemType("Next").Objects.size(), 0u);
    }
    EXPECT_TRUE(table.FindRandomSystemType("next").Name.empty());
}

// The fifteenth object of "Asteroid Belt" may carry one line more; the same
// line anywhere else is the object's size.
TEST_F(RandomSystemTypesTest, AsteroidBeltException) {
    const std::string extra = "Obj 15 Specific Stellar Obj Name                 := Any";
    const auto build = [&](const std::string& name) {
        auto body = Head(name, 16);
        for (int k = 0; k < 16; ++k) {
            auto object = Asteroids("Size" + std::to_string(k));
            if (k == 14) object.insert(object.begin() + 4, extra);
            Add(body, object);
        }
        return body;
    };
    ASSERT_TRUE(Read(Framed(build("Asteroid Belt"))));
    const auto belt = table.FindRandomSystemType("Asteroid Belt");
    ASSERT_EQ(belt.Objects.size(), 16u);
    EXPECT_EQ(belt.Objects[14].Size, "Size14");
    EXPECT_EQ(belt.Objects[15].Size, "Size15");

    // Elsewhere the extra line is the object's size line.
    ASSERT_TRUE(Read(Framed(build("Asteroid Field"))));
    const auto field = table.FindRandomSystemType("Asteroid Field");
    ASSERT_EQ(field.Objects.size(), 16u);
    EXPECT_EQ(field.Objects[14].Size, "Any");
    EXPECT_EQ(field.Objects[15].PhysicalKind, "Rock");  // one line behind from here on

    // Without the extra line the belt's fifteenth object is read as usual.
    auto plain = Head("Asteroid Belt", 15);
    for (int k = 0; k < 15; ++k) Add(plain, Asteroids("S" + std::to_string(k)));
    ASSERT_TRUE(Read(Framed(plain)));
    EXPECT_EQ(table.Types()[0].Objects[14].Size, "S14");
}

TEST_F(RandomSystemTypesTest, FailuresKeepTheCompletedBlocks) {
    auto body = Head("Good", 1);
    Add(body, Storm());
    auto bad = Head("Bad", 1);
    bad[4] = L("Index", "first");
    Add(body, bad);
    Add(body, Storm());
    EXPECT_FALSE(Read(Framed(body)));
    ASSERT_EQ(table.Types().size(), 1u);
    EXPECT_EQ(table.Types()[0].Name, "Good");
    EXPECT_FALSE(table.LoadRandomSystemTypes(folder.Path() / "none.txt", reporter));
    EXPECT_EQ(Headlines(reporter), std::vector<std::string>(2, "Can't load System types"));
}

TEST(ChanceTypes, BlocksOfThreePairLists) {
    TempFolder folder;
    RecordingReporter reporter;
    ChanceTypeTable table;
    const std::vector<std::string> lines{
        "*BEGIN*", L("Number of Any Chance Types", "1"), L("Title", "Standard"), L("Sizes", "2"), L("v", "Tiny"),
        L("c", "10"), L("v", "Huge"), L("c", "90"), L("Colours", "0"), L("Atmospheres", "1"), L("v", "None"),
        L("c", "100"), "between", L("Number of Any Chance Types", "1"), L("Title", "Empty"), L("a", "0"),
        L("b", "0"), L("c", "0"), "*END*"};
    ASSERT_TRUE(table.LoadChanceTypes(folder.Write("SystemTypes.txt", lines, false), reporter));
    ASSERT_EQ(table.Types().size(), 2u);
    const ChanceType standard = table.FindChanceType("Standard");
    EXPECT_EQ(standard.First, (std::vector<ChancePair>{{"Tiny", "10"}, {"Huge", "90"}}));
    EXPECT_TRUE(standard.Second.empty());
    EXPECT_EQ(standard.Third, (std::vector<ChancePair>{{"None", "100"}}));
    EXPECT_TRUE(table.FindChanceType("Missing").Name.empty());

    EXPECT_FALSE(table.LoadChanceTypes(folder.Write("SystemTypes.txt", {lines.begin(), lines.begin() + 6}), reporter));
    EXPECT_TRUE(table.Types().empty());
    EXPECT_EQ(Headlines(reporter), std::vector<std::string>{"Can't load Chance types"});
}

}  // namespace
