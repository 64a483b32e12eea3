#include "platform/Twips.h"

#include <gtest/gtest.h>

TEST(Twips, ConvertToTheNearestPixelOnBothSidesOfZero)
{
    const struct {
        int twips;
        int pixels;
    } cas[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {4455, 297}, {-7, 0}, {-8, -1}, {-23, -2}};
    for (const auto& c : cas)
        EXPECT_EQ(versPixels(c.twips), c.pixels) << c.twips;
}

TEST(Twips, PixelsGoBackToTheSameTwips)
{
    for (int px : {-3, 0, 1, 297, 1920})
        EXPECT_EQ(versPixels(versTwips(px)), px);
    EXPECT_EQ(versTwips(QSize(2, 3)), QSize(30, 45));
}

TEST(Twips, ARectangleRoundsEachEdgeAndLengthAlike)
{
    EXPECT_EQ(rectPixels(120, 5160, 2655, 2655), QRect(8, 344, 177, 177));
    // A place rounds the same way as a length: 3442 twips is 229.47 pixels, 3443 is 229.53.
    EXPECT_EQ(versPixels(QRect(3442, 3443, 3442, 3443)), QRect(229, 230, 229, 230));
    EXPECT_EQ(versPixels(QPoint(-8, 8)), QPoint(-1, 1));
    EXPECT_EQ(versPixels(QSize(9975, 5175)), QSize(665, 345));
}
