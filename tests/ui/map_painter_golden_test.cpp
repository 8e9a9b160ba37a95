// The maps as drawn at scale 1 are compared with pictures the editor drew
// before the views learnt to scale: scaling must not move a single pixel of
// the unscaled drawing. DIZ_WRITE_GOLDEN=1 rewrites the pictures after a
// deliberate change of the drawing.
#include <QCheckBox>
#include <QImage>

#include "EditorFixture.h"

namespace {

QString GoldenFile(const char* name) { return QString(DIZ_TEST_DATA_DIR "/golden/") + name; }

// Every pixel that differs, as "x,y"; at most a few, for the message.
std::string Differences(const QImage& drawn, const QImage& golden) {
    if (drawn.size() != golden.size()) return "size differs";
    std::string list;
    int count = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != golden.pixel(x, y) && count++ < 8)
                list += std::to_string(x) + "," + std::to_string(y) + " ";
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ: " + list;
}

void ExpectLikeGolden(const QImage& drawn, const char* name) {
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("DIZ_WRITE_GOLDEN")) {
        ASSERT_TRUE(image.save(GoldenFile(name)));
    }
    const QImage golden = QImage(GoldenFile(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << name;
    EXPECT_EQ(Differences(image, golden), "") << name;
}

}  // namespace

class UnscaledDrawingTest : public EditorFixture {
protected:
    UnscaledDrawingTest() {
        // Far apart, so every name has room where it always stood.
        const int cells[][2] = {{2, 3}, {20, 6}, {40, 4}, {60, 10}, {8, 25}, {33, 22}, {52, 30}, {15, 44}, {45, 46}};
        for (const auto& cell : cells)
            systems.push_back(AddSystem("Sys" + std::to_string(systems.size()), cell[0], cell[1]));
        Link(0, 1, 0, 0);
        Link(1, 5, 2, 3);
        Link(5, 6, -3, 1);
        Link(6, 3, 4, 4);
        Link(4, 7, 0, -5);
        Link(2, 3, 1, 1);
        home = systems[5];
        AddObject(home, "STAR", 0, 0, FirstOrdinal("Star", "Yellow"));
        AddObject(home, "PLANET", 6, 4, FirstOrdinal("Planet"));
        AddObject(home, "ASTEROID", -6, 5, FirstOrdinal("Asteroids"));
        AddObject(home, "STORM", 4, -6, FirstOrdinal("Storm"));
        systems[5]->PhysicalType = PhysicalNormal;
    }

    void Link(std::size_t from, std::size_t to, int X, int Y) {
        SpaceObjectRef warp = AddObject(systems[from], "WARP", X, Y, FirstOrdinal("Warp"));
        warp->destSystem = systems[to];
    }

    std::vector<SystemRef> systems;
    SystemRef home;
};

TEST_F(UnscaledDrawingTest, GalaxyWithAndWithoutNames) {
    window.DrawSystems();
    ExpectLikeGolden(window.GalaxyImage(), "galaxy_names.png");
    window.findChild<QCheckBox*>("ChkHideNamesG")->click();
    ExpectLikeGolden(window.GalaxyImage(), "galaxy_no_names.png");
}

TEST_F(UnscaledDrawingTest, SystemMapWithSelectionAndLabels) {
    SelectSystem(home);
    Press(-3, -2);
    ExpectLikeGolden(window.SystemMapImage(), "system_map_labels.png");
    window.findChild<QCheckBox*>("ChkHideNamesS")->click();
    ExpectLikeGolden(window.SystemMapImage(), "system_map_no_labels.png");
}
