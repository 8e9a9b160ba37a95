#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "text/TextHelpers.h"

namespace fs = std::filesystem;

TEST(TextHelpers, PaddingAndTrimming) {
    EXPECT_EQ(PadRight("System Name", 50).size(), 50u);
    EXPECT_EQ(PadRight(std::string(60, 'k'), 50).size(), 60u);  // never cut
    EXPECT_EQ(Trim("  a b \t"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(CommaToPoint("1,5,2"), "1.5.2");
}

TEST(TextHelpers, SplittingKeepsEmptyPartsAndLinesSplitOnCrLfAndLfAlike) {
    EXPECT_EQ(SplitAt("", '/'), std::vector<std::string>{""});
    EXPECT_EQ(SplitAt("a//b/", '/'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitAt("Ring 3", ' '), (std::vector<std::string>{"Ring", "3"}));
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    TempFolder temp;
    EXPECT_FALSE(ReadTextLines(temp.Path()));  // a folder is not an empty text file
}

TEST(TextHelpers, NumbersRefuseGarbageAndOverflow) {
    EXPECT_EQ(ParseInt32(" -42 "), -42);
    EXPECT_EQ(ParseInt32("+7"), 7);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    for (const char* bad : {"2147483648", "12abc", "1.5", ""}) EXPECT_FALSE(ParseInt32(bad)) << bad;
    EXPECT_EQ(ParseByte("255"), 255);
    EXPECT_FALSE(ParseByte("256"));
    EXPECT_FALSE(ParseByte("-1"));
    EXPECT_DOUBLE_EQ(*ParseReal("0.9"), 0.9);
    EXPECT_DOUBLE_EQ(*ParseReal("-1e2"), -100.0);
    for (const char* bad : {"0,9", "nan", "1e999"}) EXPECT_FALSE(ParseReal(bad)) << bad;
    EXPECT_TRUE(IsNumeric("0,9"));  // a comma typed in a dialog counts as the point
    EXPECT_FALSE(IsNumeric("abc"));
    EXPECT_FALSE(IsNumeric(""));
}

TEST(TextHelpers, RoundingHalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_FALSE(RoundHalfEven(3e9));
    EXPECT_DOUBLE_EQ(RoundDecimals(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundDecimals(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(RoundDecimals(1.25, 1), 1.2);
    EXPECT_EQ(FormatReal(0.9), "0.9");
    EXPECT_EQ(FormatReal(2.0), "2");
    EXPECT_EQ(FormatReal(-0.0), "0");
}

TEST(TextHelpers, SafeWriteReplacesOnlyWhenComplete) {
    TempFolder temp;
    const fs::path& folder = temp.Path();
    const fs::path target = folder / "map.txt";
    ASSERT_EQ(WriteTextFileSafely(target, {"one", "two"}), "");
    EXPECT_EQ(ReadFileBytes(target), "one\r\ntwo\r\n");
    auto lines = ReadTextLines(target);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"one", "two"}));

    // A target that cannot be replaced (a folder stands there) reports the
    // failure and leaves no temporary file behind.
    const fs::path blocked = folder / "blocked";
    fs::create_directories(blocked / "inside");
    EXPECT_NE(WriteTextFileSafely(blocked, {"x"}), "");
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_FALSE(fs::exists(folder / "blocked.tmp~"));

    EXPECT_FALSE(ReadTextLines(folder / "missing.txt"));
    EXPECT_TRUE(FileExists(target));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder / "missing.txt"));
}
