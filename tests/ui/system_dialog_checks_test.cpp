#include <gtest/gtest.h>

#include "ui/EditorState.h"
#include "ui/SystemDialogChecks.h"

namespace {

SystemDialogInput Good() { return {"Sol", "67", "49", "Normal", "Home", "Portrait1", "Sky1.bmp", true}; }

SystemDialogLookups Lookups() {
    SystemDialogLookups lookups;
    lookups.findPortrait = [](const std::string& bitmap) -> std::optional<PortraitChoice> {
        if (bitmap == "Portrait1") return PortraitChoice{"Normal", "Portrait1", "4"};
        return std::nullopt;
    };
    lookups.findBackground = [](const std::string& name) { return name == "Sky1.bmp" ? name : std::string(); };
    return lookups;
}

std::string Failure(const SystemDialogInput& input) {
    CurrentObjectRecord current;
    return CheckSystemDialog(input, Lookups(), current).value_or("");
}

}  // namespace

TEST(SystemDialogChecks, EachCheckInItsOrder) {
    // Every field wrong at once: the first check in order speaks.
    SystemDialogInput input{"", "x", "y", "Swamp", "", "none", "none", true};
    const char* expected[] = {"The System needs a name",
                              "The System X must be numeric",
                              "The System Y must be numeric",
                              "The System X must be in range (x<68,y<50)",
                              "The System Y must be in range (0<=x<68,0<=y<50)",
                              "The System must have a valid Physical Type",
                              "Please, specify the Portrait Image of the System",
                              "Please, specify the Background Image of the System"};
    auto repair = [&](int step) {
        switch (step) {
        case 0: input.name = "Sol"; break;
        case 1: input.x = "68"; break;
        case 2: input.y = "-1"; break;
        case 3: input.x = "67"; break;
        case 4: input.y = "49"; break;
        case 5: input.physicalType = "Black Hole"; break;
        case 6: input.portrait = "Portrait1"; break;
        default: input.background = "Sky1.bmp"; break;
        }
    };
    for (int step = 0; step < 8; ++step) {
        EXPECT_EQ(Failure(input), expected[step]) << step;
        repair(step);
    }
    EXPECT_EQ(Failure(input), "");
}

TEST(SystemDialogChecks, RangeEdgesAndExactWords) {
    const std::pair<SystemDialogInput, const char*> cases[] = {
        {Good(), ""},
        {{"Sol", "0", "0", "Normal", "", "Portrait1", "Sky1.bmp", true}, ""},
        {{"Sol", "-0.5", "0", "Normal", "", "Portrait1", "Sky1.bmp", true}, "The System X must be in range (x<68,y<50)"},
        {{"   ", "1", "1", "Normal", "", "Portrait1", "Sky1.bmp", true}, "The System needs a name"},
        {{"Sol", "1", "1", "normal", "", "Portrait1", "Sky1.bmp", true}, "The System must have a valid Physical Type"},
        {{"Sol", "1", "1", "Normal", "", "Portrait1", "sky1.bmp", true},
         "Please, specify the Background Image of the System"}};
    for (const auto& [input, expected] : cases) EXPECT_EQ(Failure(input), expected) << input.x << " " << input.name;
}

TEST(SystemDialogChecks, SuccessWritesTheRecordAndFailureLeavesNameAndCell) {
    CurrentObjectRecord current;
    current.Name = "Before";
    current.X = 3;
    SystemDialogInput input = Good();
    input.background = "";
    EXPECT_EQ(CheckSystemDialog(input, Lookups(), current).value_or(""),
              "Please, specify the Background Image of the System");
    EXPECT_EQ(current.Name, "Before");
    EXPECT_EQ(current.X, 3);

    input = Good();
    input.x = "12,6";  // a decimal comma counts as a point
    input.y = "3.5";   // halves go to the even neighbour
    input.canStart = false;
    ASSERT_FALSE(CheckSystemDialog(input, Lookups(), current));
    EXPECT_EQ(current.Name, "Sol");
    EXPECT_EQ(current.X, 13);
    EXPECT_EQ(current.Y, 4);
    EXPECT_EQ(current.Type, "Normal");
    EXPECT_EQ(current.Description, "Home");
    EXPECT_EQ(current.PhysicalTypeName, "Normal");
    EXPECT_EQ(current.PortraitBitmap, "Portrait1");
    EXPECT_EQ(current.PortraitIndex, "4");
    EXPECT_EQ(current.SkyBox, "Sky1.bmp");
    EXPECT_FALSE(current.CanStart);
}
