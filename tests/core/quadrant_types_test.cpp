#include <gtest/gtest.h>

#include "TestFiles.h"
#include "random/QuadrantTypes.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 26, value); }

std::vector<std::string> Block(const std::string& name) {
    return {L("Name", name),
            L("Description", "d"),
            L("Quadrants", "1"),
            L("Shape", "Any"),
            L("Max Warp Points", "6"),
            "filler",
            L("Number of Locations", "1"),
            L("Loc 1 Type", "Sol"),
            L("Loc 1 X", "10"),
            L("Loc 1 Y", "20.5"),
            "more filler",
            L("Number of System Types", "2"),
            L("Type 1", "Sol"),
            L("Chance 1", "600"),
            L("Type 2", "Red"),
            L("Chance 2", "400")};
}

using QuadrantTypesTest = DataFileTest<QuadrantTypeTable, &QuadrantTypeTable::LoadQuadrantTypes>;

TEST_F(QuadrantTypesTest, ReadsBlocksWithValuesFromColumn30) {
    for (bool crlf : {true, false}) {
        ASSERT_TRUE(Read(Framed(Block("Spiral")), crlf));
        const QuadrantType q = table.FindQuadrantType("Spiral");
        EXPECT_EQ(q.MaxWarpPoints, 6);
        ASSERT_EQ(q.Locations.size(), 1u);
        EXPECT_EQ(q.Locations[0].SystemType, "Sol");
        EXPECT_EQ(q.Locations[0].Y, 20);  // halves round to even
        ASSERT_EQ(q.SystemTypeChances.size(), 2u);
        EXPECT_EQ(q.SystemTypeChances[1].SystemType, "Red");
        EXPECT_EQ(q.SystemTypeChances[1].Chance, 400);
    }
    EXPECT_TRUE(table.FindQuadrantType("spiral").Name.empty());
}

// Zero counts, a count line at line four, and a key in another case that opens no block.
TEST_F(QuadrantTypesTest, CountsOfZeroAndKeysInOtherCase) {
    const std::vector<std::string> empty{L("Name", "Empty"), L("d", ""), L("q", "1"), L("s", ""),
                                         L("Number of Locations", "0"), L("Number of System Types", "0")};
    auto lower = Block("Lower");
    lower[0] = L("name", "Lower");
    ASSERT_TRUE(Read(Framed(Join({empty, lower, Block("Upper")}))));
    ASSERT_EQ(table.Types().size(), 2u);
    const QuadrantType q = table.Types()[0];
    EXPECT_EQ(q.Name, "Empty");
    EXPECT_EQ(q.MaxWarpPoints, 0);
    EXPECT_TRUE(q.Locations.empty());
    EXPECT_TRUE(q.SystemTypeChances.empty());
    EXPECT_EQ(table.Types()[1].Name, "Upper");
}

TEST_F(QuadrantTypesTest, FailuresKeepTheCompletedBlocks) {
    auto bad = Block("Bad");
    bad[13] = L("Chance 1", "lots");
    EXPECT_FALSE(Read(Framed(Join({Block("Good"), bad}))));
    ASSERT_EQ(table.Types().size(), 1u);
    EXPECT_FALSE(Read(Block("No End")));  // the file ends before "*END*"
    EXPECT_EQ(table.Types().size(), 1u);
    EXPECT_FALSE(table.LoadQuadrantTypes(folder.Path() / "none.txt", reporter));
    EXPECT_TRUE(table.Types().empty());
    EXPECT_EQ(Headlines(reporter), std::vector<std::string>(3, "Can't load Quadrant types"));
}

}  // namespace
