// The galaxy's lines and discs: written pixel by pixel they must be the
// pixels the painter sets, and the kept layer must follow every change of
// the map that shows on the galaxy.
#include <gtest/gtest.h>

#include <QPainter>
#include <random>

#include "model/CUniverse.h"
#include "text/Reporter.h"
#include "ui/render/AliasedLines.h"
#include "ui/render/GalaxyPainter.h"

namespace {

const QColor Yellow(255, 255, 0);

QImage Blank() {
    QImage image(GalaxyMapWidth, GalaxyMapHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

SystemRef AddSystem(CUniverse& u, const std::string& name, int X, int Y) {
    SystemRef s = NewSystem();
    s->name = name;
    s->X = X;
    s->y = Y;
    u.AddSystem(s);
    return s;
}

SpaceObjectRef AddWarp(CUniverse& u, const SystemRef& from, const SystemRef& to) {
    SpaceObjectRef warp = NewSpaceObject("WARP");
    warp->systema = from;
    warp->destSystem = to;
    u.AddSpaceObject(warp, from->ID);
    return warp;
}

// Whether anything is drawn at the point (scaled lines are smoothed, so
// their pixels need not carry the full colour).
bool Lit(const QImage& image, QPointF point) { return image.pixelColor(point.toPoint()) != QColor(Qt::black); }

QPoint Centre(const SystemRef& s) { return {4 * s->X + 2, 4 * s->y + 2}; }

QImage Drawn(const GalaxyPainter& painter, double scale = 1.0) {
    GalaxyPaintOptions options;
    options.hideLabels = true;
    return painter.Render(scale, options);
}

}  // namespace

TEST(AliasedLines, SetExactlyThePixelsThePainterSets) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> x(0, GalaxyMapWidth - 1), y(0, GalaxyMapHeight - 1);
    for (int round = 0; round < 3000; ++round) {
        QLine line(x(random), y(random), x(random), y(random));
        // Straight, diagonal and single-point lines come up on purpose.
        if (round % 5 == 1) line.setP2(QPoint(line.x2(), line.y1()));
        if (round % 5 == 2) line.setP2(QPoint(line.x1(), line.y2()));
        if (round % 5 == 3) line.setP2(line.p1() + QPoint(37, (round % 2 ? 37 : -37)));
        if (round % 97 == 0) line.setP2(line.p1());
        QImage painted = Blank(), written = Blank();
        {
            QPainter painter(&painted);
            painter.setPen(WarpLineColour());
            painter.drawLine(line);
        }
        DrawAliasedLine(written, line, WarpLineColour().rgba());
        ASSERT_EQ(painted, written) << line.x1() << "," << line.y1() << " to " << line.x2() << "," << line.y2();
    }
}

TEST(AliasedLines, OnlyHardEdgedStampsAreCopied) {
    QImage hard(5, 5, QImage::Format_ARGB32_Premultiplied), soft = hard;
    hard.fill(Qt::transparent);
    soft.fill(Qt::transparent);
    hard.setPixelColor(2, 1, Yellow);
    soft.setPixelColor(2, 1, QColor(255, 255, 0, 128));
    EXPECT_FALSE(HardStamp(soft).IsUsable());
    const HardStamp stamp(hard);
    ASSERT_TRUE(stamp.IsUsable());
    QImage image = Blank();
    stamp.DrawAt(image, QPoint(10, 20));
    EXPECT_EQ(image.pixelColor(12, 21), Yellow);
    EXPECT_EQ(image.pixelColor(11, 21), QColor(Qt::black));
    stamp.DrawAt(image, QPoint(-2, -1));  // partly outside: what is inside is drawn
    EXPECT_EQ(image.pixelColor(0, 0), Yellow);
}

// Each scale has its own painter, so the kept layer is the one asked for.
TEST(GalaxyLayer, FollowsEveryChangeThatShowsOnTheGalaxy) {
    for (double scale : {1.0, 1.5}) {
        CUniverse u;
        const SystemRef a = AddSystem(u, "A", 5, 5), b = AddSystem(u, "B", 30, 5), c = AddSystem(u, "C", 5, 30);
        const SpaceObjectRef warp = AddWarp(u, a, b);
        GalaxyPainter painter;
        painter.SetUniverse(u, nullptr);
        const QPointF towardsB = QPointF(Centre(a) + Centre(b)) / 2 * scale;
        const QPointF towardsC = QPointF(Centre(a) + Centre(c)) / 2 * scale;
        EXPECT_TRUE(Lit(Drawn(painter, scale), towardsB)) << scale;
        EXPECT_FALSE(Lit(Drawn(painter, scale), towardsC)) << scale;

        warp->destSystem = c;
        u.EditSpaceObject(warp, a->ID, warp->ID);
        painter.SetUniverse(u, nullptr);
        EXPECT_FALSE(Lit(Drawn(painter, scale), towardsB)) << scale;
        EXPECT_TRUE(Lit(Drawn(painter, scale), towardsC)) << scale;

        // A system moved takes its disc along.
        SystemRef moved = NewSystem();
        *moved = *b;
        moved->X = 50;
        u.EditSystem(moved, b->ID);
        painter.SetUniverse(u, nullptr);
        EXPECT_FALSE(Lit(Drawn(painter, scale), QPointF(Centre(b)) * scale)) << scale;
        EXPECT_TRUE(Lit(Drawn(painter, scale), QPointF(Centre(moved)) * scale)) << scale;
    }
}

TEST(GalaxyLayer, DiscsStayWholeUnderLinesThatCrossThem) {
    CUniverse u;
    const SystemRef west = AddSystem(u, "West", 2, 10), middle = AddSystem(u, "Middle", 20, 10);
    const SystemRef east = AddSystem(u, "East", 40, 10);
    // Added after the middle system, so drawn one by one it would cross it.
    AddWarp(u, east, west);
    GalaxyPainter painter;
    painter.SetUniverse(u, nullptr);
    EXPECT_EQ(Drawn(painter).pixelColor(Centre(middle)), Yellow);
    EXPECT_EQ(Drawn(painter).pixelColor(Centre(middle) + QPoint(6, 0)), WarpLineColour());
}

TEST(GalaxyLayer, BrokenWarpsAreToldOnEveryGatherEvenWhenNothingChanged) {
    CUniverse u;
    const SystemRef a = AddSystem(u, "A", 1, 1);
    AddWarp(u, a, NewDetachedSystem("Gone"));
    GalaxyPainter painter;
    RecordingReporter reporter;
    painter.SetUniverse(u, &reporter);
    painter.SetUniverse(u, &reporter);
    EXPECT_EQ(reporter.Messages(), (std::vector<std::string>(
                                       2, "A Warp in the system A points to a non existent System (Gone)")));
}
