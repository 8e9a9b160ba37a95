#include <QCheckBox>

#include "EditorFixture.h"
#include "model/SectorField.h"
#include "ui/AtmosphereColours.h"
#include "ui/ProgramBitmaps.h"

namespace {

// Top-left corner of the hexagon of sector (X, Y).
QPoint Corner(int X, int Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return {label.x - 32, label.y};
}

// The pixel of a bitmap as drawn: the same pixel of the prepared bitmap.
QColor HexagonEdgeColour() { return HexagonBitmap().pixelColor(16, 0); }

}  // namespace

class SystemMapRenderTest : public EditorFixture {
protected:
    SystemMapRenderTest() {
        system = AddSystem("Sol", 10, 5);
        star = AddObject(system, "STAR", 0, 0, FirstOrdinal("Star", "Red"));
        planet = AddObject(system, "PLANET", 4, 2, FirstOrdinal("Planet"));
        AddObject(system, "ASTEROID", -4, 3, FirstOrdinal("Asteroids"));
        AddObject(system, "STORM", 6, -5, FirstOrdinal("Storm"));
        warp = AddObject(system, "WARP", -8, -4, FirstOrdinal("Warp"));
        warp->destSystem = system;
        PressCell(10, 5);
    }

    QColor At(QPoint p) const { return window.SystemMapImage().pixelColor(p); }

    SystemRef system;
    SpaceObjectRef star, planet, warp;
};

TEST_F(SystemMapRenderTest, HexagonsAreDrawnOnValidSectorsOnly) {
    const QImage& image = window.SystemMapImage();
    ASSERT_EQ(image.size(), QSize(656, 672));
    const QColor edge = HexagonEdgeColour();
    // The top edge of a few valid hexagons.
    for (const QPoint sector : {QPoint(-13, -2), QPoint(13, 0), QPoint(-2, 10), QPoint(5, -10)})
        EXPECT_EQ(At(Corner(sector.x(), sector.y()) + QPoint(16, 0)), edge) << sector.x() << "," << sector.y();
    // No hexagon where the field has no sector: the top-left corner area.
    const QPoint missing = Corner(-13, 9);
    EXPECT_EQ(At(missing + QPoint(16, 0)), QColor(Qt::black));
    // The transparent inside of an empty hexagon stays black.
    EXPECT_EQ(At(Corner(-10, 0) + QPoint(16, 16)), QColor(Qt::black));
}

TEST_F(SystemMapRenderTest, ObjectPicturesSitInTheirHexagons) {
    const StellarTypeEntry starType = data.Stellar.FindTypeByOrdinal(star->StellarObjectType);
    const QImage starPicture = ObjectPicture(starType).scaled(24, 24);
    // The middle of the 24 x 24 picture drawn at (x + 4, y + 4).
    EXPECT_EQ(At(Corner(0, 0) + QPoint(16, 16)), starPicture.pixelColor(12, 12));
    EXPECT_NE(At(Corner(0, 0) + QPoint(16, 16)), QColor(Qt::black));
    EXPECT_NE(At(Corner(-4, 3) + QPoint(16, 16)), TransparentKey());
    // Pixels of the transparent colour are never drawn.
    const QImage& image = window.SystemMapImage();
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) ASSERT_NE(image.pixelColor(x, y), TransparentKey());
}

TEST_F(SystemMapRenderTest, PlanetsCarryTheirAtmosphereRing) {
    const std::string atmosphere = data.Stellar.FindTypeByOrdinal(planet->StellarObjectType).Atmosphere;
    const std::string bitmap = AtmospherePicture(atmosphere);
    QColor ring;
    for (const AtmosphereColour& colour : AtmosphereColours)
        if (bitmap == colour.bitmap) ring = QColor(colour.red, colour.green, colour.blue);
    ASSERT_TRUE(ring.isValid());
    // The ring passes through the left middle of the 24 x 24 overlay.
    const QPoint overlay = Corner(4, 2) + QPoint(4, 4);
    bool found = false;
    for (int dx = 1; dx <= 4; ++dx) found = found || At(overlay + QPoint(dx, 12)) == ring;
    EXPECT_TRUE(found);
}

TEST_F(SystemMapRenderTest, SelectionFollowsTheLastPressedSector) {
    const QColor selection = SelectionBitmap().pixelColor(16, 1);
    const QPoint corner = Corner(3, -2);
    window.State().LastPixel = {corner.x() + 12.0, corner.y() + 12.0};
    window.RedrawSystemMap();
    EXPECT_EQ(window.State().LastSector.X, 3);
    EXPECT_EQ(window.State().LastSector.Y, -2);
    EXPECT_EQ(At(corner + QPoint(16, 1)), selection);
    // A press outside the field selects nothing and clears the labels.
    window.State().LastPixel = {650, 5};
    window.SetSectorLabels("3", "-2");
    window.RedrawSystemMap();
    EXPECT_EQ(window.State().LastSector.X, 0);
    EXPECT_EQ(window.State().LastSector.Y, 0);
    EXPECT_TRUE(Label("LblXS").isEmpty());
    EXPECT_NE(At(corner + QPoint(16, 1)), selection);
}

TEST_F(SystemMapRenderTest, LabelsAndCaptions) {
    auto whiteIn = [&](QRect area) { return CountColour(window.SystemMapImage(), area, Qt::white); };
    const LabelPoint warpLabel = SectorToPixel(-8, 4);
    const QRect warpText(warpLabel.x, warpLabel.y, 40, 26);
    EXPECT_GT(whiteIn(warpText), 0);
    window.findChild<QCheckBox*>("ChkHideNamesS")->click();
    EXPECT_EQ(whiteIn(warpText), 0);

    system->PhysicalType = PhysicalBlackHole;
    window.RedrawSystemMap();
    EXPECT_GT(CountColour(window.SystemMapImage(), QRect(256, 320, 164, 25), QColor(255, 0, 0)), 20);
}

TEST_F(SystemMapRenderTest, CursorLabelsShowTheSectorUnderTheMouse) {
    const QPoint centre = Corner(0, 0) + QPoint(12, 12);
    window.SystemMapMove(centre.x(), centre.y());
    EXPECT_EQ(Label("CXsel"), "0");
    EXPECT_EQ(Label("CYSel"), "0");
    window.SystemMapMove(5, 5);  // inside the table, no sector
    EXPECT_EQ(Label("CXsel"), "-");
    EXPECT_EQ(Label("CYSel"), "-");
    // The right slope of the last column's hexagon belongs to it.
    window.SystemMapMove(652, 320);
    EXPECT_EQ(Label("CXsel"), "13");
    EXPECT_EQ(Label("CYSel"), "0");
    window.SystemMapMove(660, 320);  // right of the last column
    EXPECT_EQ(Label("CXsel"), "14");
}
