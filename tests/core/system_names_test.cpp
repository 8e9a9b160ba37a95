#include <gtest/gtest.h>

#include <set>

#include "TempFolder.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "model/RandomDraws.h"
#include "random/SystemNames.h"

namespace {

TEST(RandomDraws, IntegersCoverTheWholeRangeAndNothingElse) {
    RandomSource random(11);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = RandomInt(random, -3, 3);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 3);
        seen.insert(v);
        const double r = RandomReal(random, -0.5, 2);
        ASSERT_GE(r, -0.5);
        ASSERT_LT(r, 2);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(RandomInt(random, 5, 5), 5);
}

TEST(SystemNames, LinesAreKeptAsReadButBlankAndRepeatedLinesAreNoNames) {
    TempFolder folder;
    RecordingReporter reporter;
    SystemNamePool pool;
    ASSERT_TRUE(pool.LoadSystemNames(folder.Write("SystemNames.txt", {"Vega ", "", "Vega", "\t", "Rigel"}), reporter));
    ASSERT_EQ(pool.Entries().size(), 2u);
    EXPECT_EQ(pool.Entries()[0].Name, "Vega ");
    EXPECT_EQ(pool.Entries()[1].Name, "Rigel");

    RandomSource random(5);
    std::multiset<std::string> picked;
    for (int i = 0; i < 2; ++i) picked.insert(pool.PickSystemName(random, folder.Path()));
    EXPECT_EQ(picked, (std::multiset<std::string>{"Rigel", "Vega "}));

    EXPECT_FALSE(pool.LoadSystemNames(folder.Path() / "none.txt", reporter));
    EXPECT_TRUE(pool.Entries().empty());
    ASSERT_EQ(reporter.Messages().size(), 1u);
    EXPECT_EQ(reporter.Messages()[0].rfind("Can't load System names\n\n", 0), 0u);
}

TEST(SystemNames, ExhaustedPoolGivesNewNamesInsteadOfLooping) {
    TempFolder folder;
    RecordingReporter reporter;
    SystemNamePool pool;
    RandomSource random(9);
    // Without rules the extra names are numbered.
    ASSERT_TRUE(pool.LoadSystemNames(folder.Write("SystemNames.txt", {"A", "System 1"}), reporter));
    std::set<std::string> names;
    for (int i = 0; i < 5; ++i) names.insert(pool.PickSystemName(random, folder.Path()));
    EXPECT_EQ(names, (std::set<std::string>{"A", "System 1", "System 2", "System 3", "System 4"}));

    // With rules they come from the name generator.
    folder.Write("rules.dat", {"Qx(CV)*"});
    pool.ResetSystemNames();
    std::set<std::string> more;
    for (int i = 0; i < 4; ++i) more.insert(pool.PickSystemName(random, folder.Path()));
    EXPECT_EQ(more.size(), 4u);
    EXPECT_TRUE(more.count("A") && more.count("System 1"));
    for (const auto& n : more)
        if (n != "A" && n != "System 1") {
            EXPECT_EQ(n.substr(0, 2), "Qx");
        }

    // An empty pool never loops either.
    SystemNamePool empty;
    EXPECT_FALSE(empty.PickSystemName(random, folder.Path()).empty());
}

}  // namespace
