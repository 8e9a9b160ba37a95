#include "model/SectorField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(SectorField, FieldOf441SectorsWithItsEdgeRows) {
    std::int32_t valid = 0;
    for (std::int32_t X = -15; X <= 15; ++X)
        for (std::int32_t Y = -12; Y <= 12; ++Y) valid += IsValidSector(X, Y) ? 1 : 0;
    EXPECT_EQ(valid, 441);
    for (std::int32_t X = -13; X <= 13; ++X) {
        EXPECT_EQ(IsValidSector(X, 10), X == -2 || X == 0 || X == 2) << X;
        EXPECT_EQ(IsValidSector(X, -10), X == -5 || (X >= -3 && X <= 3) || X == 5) << X;
    }
    EXPECT_TRUE(IsValidSector(13, 0));
    EXPECT_FALSE(IsValidSector(13, 4));
    EXPECT_TRUE(IsValidSector(-13, -2));
}

TEST(SectorField, PixelConversions) {
    PixelSector s = PixelToSector(0, 0);
    EXPECT_EQ(s.c, 0); EXPECT_EQ(s.k, 1); EXPECT_EQ(s.X, -13); EXPECT_EQ(s.Y, 9);
    s = PixelToSector(24, 0);
    EXPECT_EQ(s.c, 1); EXPECT_EQ(s.k, 1); EXPECT_EQ(s.X, -12); EXPECT_EQ(s.Y, 10);
    s = PixelToSector(312, 336);
    EXPECT_EQ(s.c, 13); EXPECT_EQ(s.k, 11); EXPECT_EQ(s.X, 0); EXPECT_EQ(s.Y, 0);
    const LabelPoint p = SectorToPixel(0, 0);
    EXPECT_EQ(p.x, 344); EXPECT_EQ(p.y, 320);
}

TEST(SectorField, PixelRoundTripOverEveryValidSector) {
    for (std::int32_t X = -13; X <= 13; ++X)
        for (std::int32_t Y = -10; Y <= 10; ++Y) {
            if (!IsValidSector(X, Y)) continue;
            const LabelPoint label = SectorToPixel(X, -Y);
            // The middle of the hexagon whose top-right corner is the label point.
            const PixelSector s = PixelToSector(label.x - 16, label.y + 16);
            EXPECT_EQ(s.X, X); EXPECT_EQ(s.Y, Y);
        }
}

namespace {

struct Point {
    double x, y;
};

// Points of the hexagon of sector (X, Y) on a picture drawn at a scale, in
// whole screen pixels as a pointer reports them: the centre, and for each of
// the six edges the point 1.5 pixels inside the edge's middle.
std::vector<Point> ScreenPointsInside(std::int32_t X, std::int32_t Y, double scale) {
    const LabelPoint label = SectorToPixel(X, -Y);
    const Point corner{label.x - 32.0, static_cast<double>(label.y)};
    const Point centre{corner.x + 16, corner.y + 16};
    const Point edgeMiddles[] = {{16, 0}, {16, 32}, {4, 8}, {4, 24}, {28, 8}, {28, 24}};
    std::vector<Point> points{{std::round(centre.x * scale), std::round(centre.y * scale)}};
    for (const Point& middle : edgeMiddles) {
        const Point edge{(corner.x + middle.x) * scale, (corner.y + middle.y) * scale};
        const double dx = centre.x * scale - edge.x, dy = centre.y * scale - edge.y;
        const double length = std::hypot(dx, dy);
        points.push_back({std::round(edge.x + 1.5 * dx / length), std::round(edge.y + 1.5 * dy / length)});
    }
    return points;
}

}  // namespace

TEST(SectorField, EveryPointOfAHexagonFindsThatSectorAtEveryScale) {
    for (const double scale : {1.0, 1.5, 2.0})
        for (std::int32_t X = -13; X <= 13; ++X)
            for (std::int32_t Y = -10; Y <= 10; ++Y) {
                if (!IsValidSector(X, Y)) continue;
                for (const Point& p : ScreenPointsInside(X, Y, scale)) {
                    const PixelSector s = SectorAtPoint(p.x / scale, p.y / scale);
                    ASSERT_EQ(s.X, X) << "scale " << scale << " sector " << X << "," << Y << " at " << p.x << "," << p.y;
                    ASSERT_EQ(s.Y, Y) << "scale " << scale << " sector " << X << "," << Y << " at " << p.x << "," << p.y;
                }
            }
}

TEST(SectorField, HitTestAgreesWithTheDrawingGridWhereColumnsDoNotOverlap) {
    // In the middle 16 pixels of a column both rules read the same hexagon,
    // so their column and row counts must match there.
    for (std::int32_t px = 8; px < 640; px += 24)
        for (std::int32_t py = 40; py < 640; py += 7) {
            const PixelSector old = PixelToSector(px + 4, py), hit = SectorAtPoint(px + 4, py);
            const bool nearRowEdge = (py + (old.c % 2 == 0 ? 16 : 0)) % 32 == 16;
            if (nearRowEdge) continue;
            EXPECT_EQ(hit.c, old.c) << px << "," << py;
            EXPECT_EQ(hit.X, old.X) << px << "," << py;
        }
    // Inside the upper-right slope of the centre hexagon (corner (312, 320)),
    // where the column rule already reads the next column.
    EXPECT_EQ(PixelToSector(337, 326).X, 1);
    const PixelSector inside = SectorAtPoint(337, 326);
    EXPECT_EQ(inside.X, 0);
    EXPECT_EQ(inside.Y, 0);
    // Just beyond that edge lies the upper-right neighbour, (1, 0).
    const PixelSector beyond = SectorAtPoint(342, 324);
    EXPECT_EQ(beyond.X, 1);
    EXPECT_EQ(beyond.Y, 0);
    // Outside the field the lattice goes on: no valid sector there.
    EXPECT_FALSE(IsValidSector(SectorAtPoint(650, 5).X, SectorAtPoint(650, 5).Y));
}
