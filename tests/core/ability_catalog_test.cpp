#include <gtest/gtest.h>

#include "TestFiles.h"
#include "catalog/AbilityCatalog.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 48, value); }

struct Ability {
    std::string chance, tipe, amount1, amount2;
    std::string description = {};  // empty: the type followed by " d"
};

std::vector<std::string> Group(const std::string& name, const std::string& count, const std::vector<Ability>& items) {
    std::vector<std::string> lines{L("Name", name), L("Number of Abilities", count)};
    for (const auto& a : items) {
        const std::string description = a.description.empty() ? a.tipe + " d" : a.description;
        const std::vector<std::string> seven{L("Chance", a.chance), L("Type", a.tipe), L("Description", description),
                                             L("Scope", "Sector"),  L("Range", "2"),   L("Amount 1", a.amount1),
                                             L("Amount 2", a.amount2)};
        lines.insert(lines.end(), seven.begin(), seven.end());
    }
    return lines;
}

using AbilityCatalogTest = DataFileTest<AbilityCatalog, &AbilityCatalog::ParseStellarAbilityTypes>;

TEST_F(AbilityCatalogTest, GroupsGiveKindsAndPositions) {
    const auto lines = Join({Group("Normal Star", "0", {}), {"comment line"},
                             Group("Normal Planet", "2", {{"100", "Bonus", "10", "0"}, {"50", "Bonus", "25", "0"}}),
                             Group("Normal Warp Point", "1", {{"0", "Delay", "1", "0"}}),
                             Group("Unstable Warp Point", "1", {{"1000", "Damage", "5", "0"}}),
                             Group("Odd Group", "1", {{"10", "Odd", "1", "1"}})});
    for (bool crlf : {true, false}) {
        ASSERT_TRUE(Read(lines, crlf));
        ASSERT_EQ(table.Entries().size(), 5u);
        const auto planets = table.AbilitiesOfKind(4);
        ASSERT_EQ(planets.size(), 2u);
        EXPECT_EQ(planets[1].IndexInGroup, 2);
        EXPECT_EQ(planets[1].Chance, 50);
        EXPECT_EQ(planets[1].RangeFormula, 2);
        EXPECT_EQ(planets[1].GroupName, "Normal Planet");
        const auto warps = table.AbilitiesOfKind(2);
        ASSERT_EQ(warps.size(), 1u);
        EXPECT_EQ(warps[0].Tipe, "Delay");
        EXPECT_TRUE(table.AbilitiesOfKind(1).empty());
        EXPECT_TRUE(table.AbilitiesOfKind(5).empty());
        EXPECT_EQ(table.Entries()[4].ObjectKind, "Unknown");
        EXPECT_EQ(table.Entries()[4].GroupName, "");
        EXPECT_TRUE(table.AbilitiesOfGroup("Odd Group").empty());
        const auto unstable = table.AbilitiesOfGroup("Unstable Warp Point");
        ASSERT_EQ(unstable.size(), 1u);
        EXPECT_EQ(unstable[0].ObjectKind, "");
    }
}

TEST_F(AbilityCatalogTest, TextRoundTripsAndAmountsTellAbilitiesApart) {
    ASSERT_TRUE(Read(Group("Normal Planet", "2", {{"100", "Bonus", "10", "0"}, {"50", "Bonus", "25", "0"}})));
    const auto second = table.Entries()[1];
    EXPECT_EQ(second.AbilityText(), "Bonus/Am1= 25/Am2= 0");
    const CAbility a = table.AbilityFromText(4, second.AbilityText(), reporter);
    EXPECT_EQ(a.ID, 2);
    EXPECT_EQ(a.Amount1, "25");
    EXPECT_EQ(a.Description, "Bonus d");
    EXPECT_EQ(a.Scope, "Sector");
    EXPECT_EQ(a.RangeFormula, 2);
    EXPECT_EQ(table.AbilityFromText(4, "Bonus/Am1= 10/Am2= 0", reporter).ID, 1);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(AbilityCatalogTest, UnmatchedOrMalformedTextGivesTheNoAbility) {
    ASSERT_TRUE(Read(Group("Normal Planet", "1", {{"100", "Bonus", "10", "0"}})));
    EXPECT_EQ(table.AbilityFromText(1, "Bonus/Am1= 10/Am2= 0", reporter).Description, "NO");
    EXPECT_EQ(table.AbilityFromText(4, "Bonus", reporter).Description, "NO");
    EXPECT_EQ(table.AbilityFromText(4, "Bonus/A", reporter).Description, "NO");
    // A formula the catalogue lacks is no other ability, however it starts.
    EXPECT_EQ(table.AbilityFromText(4, "Bonus/Am1= 10/Am2= 0/2", reporter).Description, "NO");
    const CAbility empty = table.AbilityFromText(4, "", reporter);
    EXPECT_EQ(empty.Description, "NO");
    CAbility initial;
    initial.IniciaCAbility();
    EXPECT_EQ(empty.Tipe, initial.Tipe);
    EXPECT_EQ(empty.ID, initial.ID);
    EXPECT_EQ(reporter.Messages(), (std::vector<std::string>{
                                       "There's no ability 'Bonus/Am1= 10/Am2= 0' for that object",
                                       "There's no ability 'Bonus' for that object",
                                       "There's no ability 'Bonus/A' for that object",
                                       "There's no ability 'Bonus/Am1= 10/Am2= 0/2' for that object"}));
}

TEST_F(AbilityCatalogTest, TypesAndAmountsHoldingASlashFindTheirOwnAbility) {
    ASSERT_TRUE(Read(Group("Normal Planet", "4", {{"1", "Bonus", "10", "0"}, {"1", "Bonus", "10", "0/2"},
                                                  {"1", "Bonus", "Size/2", "0"}, {"1", "Grow/Shrink", "1", "0"}})));
    for (const AbilityDefinition& entry : table.Entries()) {
        SCOPED_TRACE(entry.AbilityText());
        const CAbility found = table.AbilityFromText(4, entry.AbilityText(), reporter);
        EXPECT_EQ(found.ID, entry.IndexInGroup);
        EXPECT_EQ(found.Tipe, entry.Tipe);
        EXPECT_EQ(found.Amount1, entry.Amount1);
        EXPECT_EQ(found.Amount2, entry.Amount2);
    }
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(AbilityCatalogTest, DifferentAbilitiesSharingATextAreReportedAndGiveTheFirst) {
    const auto lines = Join({Group("Normal Planet", "6",
                                   {{"1", "Bonus", "10", "0", "first"},
                                    {"1", "Bonus", "10", "0", "second"},
                                    {"1", "Mine/Am1= 1", "2", "3"},
                                    {"1", "Mine", "1/Am1= 2", "3"},
                                    {"5", "Calm", "1", "0"},
                                    {"9", "Calm", "1", "0"}}),
                             Group("Normal Star", "1", {{"1", "Bonus", "10", "0", "third"}}),
                             Group("Odd Group", "2", {{"1", "Odd", "1", "1", "a"}, {"1", "Odd", "1", "1", "b"}})});
    ASSERT_TRUE(Read(lines));
    // Only the two planet pairs hide an ability: a repeat with the same details
    // (Calm), the same text for another kind, and groups no object kind
    // offers hide nothing.
    EXPECT_EQ(reporter.Messages(),
              std::vector<std::string>{"'StellarAbilityTypes.txt' has different Planet abilities with the text "
                                       "'Bonus/Am1= 10/Am2= 0'; that text gives the first of them. Abilities hidden "
                                       "this way: 2"});
    const CAbility bonus = table.AbilityFromText(4, "Bonus/Am1= 10/Am2= 0", reporter);
    EXPECT_EQ(bonus.Description, "first");
    EXPECT_EQ(bonus.ID, 1);
    EXPECT_EQ(table.AbilityFromText(1, "Bonus/Am1= 10/Am2= 0", reporter).Description, "third");
    const CAbility mine = table.AbilityFromText(4, "Mine/Am1= 1/Am1= 2/Am2= 3", reporter);
    EXPECT_EQ(mine.Tipe, "Mine/Am1= 1");
    EXPECT_EQ(mine.ID, 3);
    EXPECT_EQ(reporter.entries.size(), 1u);
}

TEST_F(AbilityCatalogTest, FailuresKeepWhatWasRead) {
    ASSERT_TRUE(Read(Group("Normal Star", "1", {{"1", "Flare", "1", "0"}})));
    EXPECT_FALSE(table.ParseStellarAbilityTypes(folder.Path() / "none.txt", reporter));
    EXPECT_FALSE(table.ParseStellarAbilityTypes(folder.Path(), reporter));  // a folder is no file
    EXPECT_EQ(table.Entries().size(), 1u);  // an unopened file changes nothing
    auto cut = Group("Normal Storm", "2", {{"1", "Drain", "1", "0"}, {"1", "Blind", "1", "0"}});
    cut.resize(cut.size() - 3);
    EXPECT_FALSE(Read(Join({Group("Normal Star", "1", {{"1", "Flare", "1", "0"}}), cut})));
    EXPECT_EQ(table.Entries().size(), 2u);
    EXPECT_FALSE(Read(Group("Normal Star", "many", {})));
    EXPECT_FALSE(Read(Group("Normal Star", "1", {{"often", "Flare", "1", "0"}})));
    EXPECT_EQ(Headlines(reporter),
              std::vector<std::string>(5, "The 'StellarAbilitiesTypes.txt' path is incorrect"));
}

}  // namespace
