#include "model/SectorField.h"

#include <gtest/gtest.h>

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
