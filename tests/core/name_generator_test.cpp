#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "TempFolder.h"
#include "model/RandomSource.h"
#include "random/NameGenerator.h"

namespace {

TEST(NameGenerator, AlternatingRuleGivesAtMostFourLettersWithACapital) {
    RandomSource random(1);
    for (int i = 0; i < 300; ++i) {
        const std::string name = GenerateNameFromRules({"CVCV"}, random);
        ASSERT_LE(name.size(), 4u);
        if (!name.empty()) {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
        }
        for (std::size_t k = 1; k < name.size(); ++k) EXPECT_TRUE(std::islower(static_cast<unsigned char>(name[k])));
        for (char c : name) EXPECT_EQ(std::string("jxwq").find(static_cast<char>(std::tolower(c))), std::string::npos);
    }
}

TEST(NameGenerator, StarredGroupRepeatsZeroToTwoTimesAndOtherGroupsAreDropped) {
    RandomSource random(2);
    std::set<std::size_t> lengths;
    // A group of one fixed character shows the number of repetitions.
    for (int i = 0; i < 300; ++i) {
        const std::string name = GenerateNameFromRules({"ab(-)*"}, random);
        lengths.insert(name.size());
        EXPECT_EQ(name.substr(0, 2), "Ab");
    }
    EXPECT_EQ(lengths, (std::set<std::size_t>{2, 3, 4}));
    // A group without a star is dropped; other characters stay.
    EXPECT_EQ(GenerateNameFromRules({"zar(CV)"}, random), "Zar");
    EXPECT_EQ(GenerateNameFromRules({"new cvc"}, random), "New cvc");
    EXPECT_EQ(GenerateNameFromRules({}, random), "");
}

TEST(NameGenerator, ConsonantsAndVowelsComeFromTheirLists) {
    RandomSource random(4);
    std::set<char> letters;
    for (int i = 0; i < 2000; ++i)
        for (char c : GenerateNameFromRules({"xCV"}, random).substr(1)) letters.insert(c);
    for (char c : letters) EXPECT_NE(std::string("bcdfghklmnprstvyzaeiou").find(c), std::string::npos) << c;
    EXPECT_EQ(letters.size(), 22u);
}

TEST(NameGenerator, ReadsTheRulesFileWhateverItsLetterCase) {
    TempFolder folder;
    RandomSource random(5);
    EXPECT_EQ(GenerateName(folder.Path(), random), "");
    folder.Write("RULES.DAT", {"", "fixed", "", ""}, false);
    EXPECT_EQ(ReadNameRules(folder.Path()), std::vector<std::string>{"fixed"});
    EXPECT_EQ(GenerateName(folder.Path(), random), "Fixed");
}

TEST(NameGenerator, ALongRuleGivesANameOfAtMost64Characters) {
    RandomSource random(4);
    std::string rule;
    for (int k = 0; k < 20000; ++k) rule += "(abcdefgh)*";
    const std::string fixed(100000, 'x');
    for (int i = 0; i < 20; ++i) {
        EXPECT_LE(GenerateNameFromRules({rule}, random).size(), MaxGeneratedNameLength);
        EXPECT_EQ(GenerateNameFromRules({fixed}, random), "X" + std::string(MaxGeneratedNameLength - 1, 'x'));
    }
    // A rule of a normal length is not cut.
    EXPECT_EQ(GenerateNameFromRules({std::string(64, 'y')}, random).size(), 64u);
}

}  // namespace
