// System map labels stay on the field and leave the other objects' pictures
// visible; the field is drawn crisp on a screen of twice the pixel density.
#include <QCheckBox>
#include <QFont>
#include <QImage>

#include "EditorFixture.h"
#include "ui/render/SystemMapLabels.h"
#include "ui/render/SystemMapPainter.h"

namespace {

const QSizeF Field(SystemMapWidth, SystemMapHeight);

QPoint Corner(std::int32_t X, std::int32_t Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return {label.x - 32, label.y};
}

QRectF PictureOf(std::int32_t X, std::int32_t Y) { return QRectF(Corner(X, Y) + QPoint(4, 4), QSizeF(24, 24)); }

// Pixels of text: near white (the edges of letters are smoothed).
int TextPixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) > 200 ? 1 : 0;
    return count;
}

// Lines measured in the default font, as a fresh painter would.
LabelTextCache& Texts() {
    static LabelTextCache texts;
    texts = LabelTextCache();
    texts.Use(QFont(), nullptr, SystemMapLabels::MaxLineWidth);
    return texts;
}

}  // namespace

TEST(SystemMapLabelPlacement, AFreeLabelStandsRightOfItsHexagonAsAlways) {
    SystemMapLabels labels(Texts(), Field, {PictureOf(0, 0)});
    const SectorLabel label = labels.Place(Corner(0, 0), {"Sol"});
    EXPECT_EQ(label.rect.topLeft(), QPointF(344, 320));
    EXPECT_EQ(label.lines, QStringList{"Sol"});
}

TEST(SystemMapLabelPlacement, LabelsKeepClearOfPicturesAndEachOther) {
    // The sector up and to the right of (0, 0), which a right label would cover.
    const std::vector<QRectF> pictures{PictureOf(0, 0), PictureOf(1, 0), PictureOf(-1, 0), PictureOf(2, 0)};
    SystemMapLabels labels(Texts(), Field, pictures);
    const SectorLabel first = labels.Place(Corner(0, 0), {"Warp", "(Betelgeuse)"});
    for (const QRectF& picture : pictures) EXPECT_FALSE(first.rect.intersects(picture));
    EXPECT_TRUE(QRectF(QPointF(0, 0), Field).contains(first.rect));
    const SectorLabel second = labels.Place(Corner(1, 0), {"Warp", "(Betelgeuse)"});
    EXPECT_FALSE(second.rect.intersects(first.rect));
    for (const QRectF& picture : pictures) EXPECT_FALSE(second.rect.intersects(picture));
}

TEST(SystemMapLabelPlacement, EdgeLabelsStayOnTheFieldAndLongLinesAreCut) {
    SystemMapLabels labels(Texts(), Field, {});
    for (const auto& [X, Y] : {std::pair{13, 0}, {12, 3}, {5, -10}, {-2, 10}, {-13, -2}}) {
        const SectorLabel label = labels.Place(Corner(X, Y), {"Warp", "(Far Away Place)"});
        EXPECT_TRUE(QRectF(QPointF(0, 0), Field).contains(label.rect)) << X << "," << Y;
    }
    const SectorLabel cut = labels.Place(Corner(-10, 0), {QString(300, 'W')});
    EXPECT_LE(cut.rect.width(), SystemMapLabels::MaxLineWidth);
    EXPECT_TRUE(cut.lines.front().endsWith(QChar(0x2026)));
}

class SystemMapLabelsTest : public EditorFixture {
protected:
    SystemMapLabelsTest() { home = AddSystem("Home", 5, 5); }

    SpaceObjectRef Planet(std::int32_t X, std::int32_t Y, const std::string& name) {
        SpaceObjectRef planet = AddObject(home, "PLANET", X, Y, FirstOrdinal("Planet"));
        planet->name = name;
        return planet;
    }

    QImage Drawn() {
        SelectSystem(home);
        return window.SystemMapImage();
    }

    SystemRef home;
};

// What a neighbour's picture shows does not depend on the names around it.
TEST_F(SystemMapLabelsTest, NamesNeverPrintOverNeighbouringPictures) {
    const SpaceObjectRef named = Planet(0, 0, "");
    for (const auto& [X, Y] : {std::pair{1, 0}, {2, 0}, {1, -1}, {-1, 0}, {0, -1}, {0, 1}}) Planet(X, Y, "");
    const QImage plain = Drawn();
    named->name = "A Rather Long Planet Name";
    const QImage labelled = Drawn();
    for (const SpaceObjectRef& object : ObjectsOf(home)) {
        if (object == named) continue;
        const QRect picture = PictureOf(object->coord.X, object->coord.y).toRect();
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); ++x)
                EXPECT_EQ(plain.pixel(x, y), labelled.pixel(x, y)) << x << "," << y;
    }
    // The name is printed somewhere.
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) changed += plain.pixel(x, y) != labelled.pixel(x, y);
    EXPECT_GT(changed, 40);
}

TEST_F(SystemMapLabelsTest, ALabelAtTheRightEdgeIsPrintedLeftOfItsHexagon) {
    Planet(13, 0, "Edgeworld");
    const QImage image = Drawn();
    const QPoint corner = Corner(13, 0);
    EXPECT_EQ(corner.x() + 32, SystemMapWidth);  // where the label stood: off the field
    const QRect left(corner.x() - 60, corner.y(), 60, 12);
    EXPECT_GT(TextPixels(image, left), 20);
    window.findChild<QCheckBox*>("ChkHideNamesS")->click();
    EXPECT_EQ(TextPixels(window.SystemMapImage(), left), 0);
}

// What a painter keeps between repaints (the hexagons, laid-out names)
// follows the scale, the pixel ratio and the names.
TEST_F(SystemMapLabelsTest, ARepaintDrawsWhatAFreshPainterDraws) {
    const SpaceObjectRef terra = Planet(0, 0, "Terra");
    Planet(13, 0, "Edgeworld");
    SystemMapPainter reused(data.Stellar, folder.Path());
    const auto drawn = [&](SystemMapPainter& painter, double scale, double ratio) {
        return painter.Render(scale, window.Universe(), home->ID, {}, ratio);
    };
    for (const auto& [scale, ratio] : {std::pair{1.0, 1.0}, {1.5, 1.0}, {1.0, 2.0}, {1.0, 1.0}}) {
        SystemMapPainter fresh(data.Stellar, folder.Path());
        EXPECT_EQ(drawn(reused, scale, ratio), drawn(fresh, scale, ratio)) << scale << " at ratio " << ratio;
    }
    terra->name = "Terra Nova";
    SystemMapPainter fresh(data.Stellar, folder.Path());
    EXPECT_EQ(drawn(reused, 1.0, 1.0), drawn(fresh, 1.0, 1.0));
}

// Zoomed in past what is kept between repaints, the hexagons are drawn
// straight onto the picture.
TEST_F(SystemMapLabelsTest, AtALargeScaleTheHexagonsAreStillDrawn) {
    const double scale = 4.5;  // 2952 x 3024 pixels: more than is kept
    SystemMapPainter painter(data.Stellar, folder.Path());
    const QImage image = painter.Render(scale, window.Universe(), home->ID, {});
    const QPoint corner = Corner(0, 0) * scale;
    int edge = 0;  // the top edge of sector 0, 0
    for (int x = corner.x() + 40; x < corner.x() + 100; ++x)
        for (int y = corner.y(); y < corner.y() + 6; ++y) edge += image.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_GT(edge, 40);
    EXPECT_EQ(image.pixel(corner + QPoint(72, 72)), qRgb(0, 0, 0));  // its empty middle
}

// At a device pixel ratio of 2 every pixel of the unscaled field (hexagon
// edges, selection) becomes a 2 x 2 block of the same colour: nothing is
// smoothed across an edge.
TEST(SystemMapDensity, AtTwiceThePixelRatioEveryEdgeLandsOnDoubledPixels) {
    ProgramFolderCopy folder;
    GameData data;
    data.ProgramFolder = folder.Path();
    CUniverse universe;
    const SystemRef system = AddTestSystem(universe, "Dense", 1, 1);
    SystemMapPainter painter(data.Stellar, folder.Path());
    SystemMapPaintOptions options;
    options.selection = std::make_pair(3, -2);
    const QImage single = painter.Render(1.0, universe, system->ID, options);
    const QImage dense = painter.Render(1.0, universe, system->ID, options, 2.0);
    ASSERT_EQ(dense.size(), single.size() * 2);
    EXPECT_DOUBLE_EQ(dense.devicePixelRatio(), 2.0);
    int mismatches = 0, edges = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) {
            const QRgb expected = single.pixel(x, y);
            if (x > 0 && single.pixel(x - 1, y) != expected) ++edges;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) mismatches += dense.pixel(2 * x + dx, 2 * y + dy) != expected;
        }
    EXPECT_GT(edges, 441 * 4);  // the grid was drawn
    EXPECT_EQ(mismatches, 0);
}
