#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/PictureGeometry.h"

TEST(ToLogical, ScalesWorldRangeOntoTheSquareCuttingTowardZero) {
    struct Case {
        int range;
        double world;
        int logical;
    } cases[] = {
        {10, 10.0, 1000}, {10, -10.0, -999}, {10, 0.0, 0},    {10, 0.5, 50},    {10, -0.5, -49},
        {5, 5.0, 1000},   {5, -5.0, -999},   {5, 2.5, 500},   {20, 20.0, 1000}, {20, -20.0, -999},
        {20, 3.0, 150},   {7, 7.0, 700},     {7, 10.0, 1000}, {0, 10.0, 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToLogical(c.world, c.range), c.logical) << "R=" << c.range << " v=" << c.world;
}

TEST(ToLogical, ValuesNoIntCanHoldAreClampedNotUndefined) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LogicalUnits(std::nan("")), 0);
    EXPECT_GT(LogicalUnits(inf), 1000000);
    EXPECT_LT(LogicalUnits(-inf), -1000000);
    EXPECT_GT(LogicalUnits(1e300), 1000000);
}

TEST(ScreenMapping, SquareOfNineTenthsOfTheSmallerSideCentred) {
    struct Case {
        const char* name;
        SurfaceRect client;
        PictureMapping expected;
    } cases[] = {
        {"wide", {0, 0, 1000, 800}, {140, 40, 720, 720}},
        {"tall", {0, 0, 600, 900}, {30, 180, 540, 540}},
        {"square", {0, 0, 500, 500}, {25, 25, 450, 450}},
        {"odd sizes truncate", {0, 0, 101, 57}, {25, 3, 51, 51}},
        {"offset origin", {10, 20, 210, 120}, {65, 25, 90, 90}},
        {"empty", {0, 0, 0, 300}, {0, 150, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ScreenMapping(c.client), c.expected) << c.name;
}

TEST(PrintMapping, PrintableAreaOf200By287MmGivesA180MmSquareCentred) {
    // 300 dots per inch: 200 mm = 2362 dots, 287 mm = 3390 dots.
    SurfaceRect page{0, 0, 2362, 3390};
    PictureMapping m = PrintMapping(page, 200, 287, 2362, 3390);
    EXPECT_NEAR(m.extX * 200.0 / 2362, 180.0, 0.1);
    EXPECT_NEAR(m.extY * 287.0 / 3390, 180.0, 0.1);
    EXPECT_EQ(m.orgX, (2362 - m.extX) / 2);
    EXPECT_EQ(m.orgY, (3390 - m.extY) / 2);
}

TEST(PrintMapping, NonSquarePixelsStillGiveAPhysicalSquare) {
    // 600 × 300 dots per inch on a landscape area of 250 × 180 mm.
    PictureMapping m = PrintMapping({0, 0, 5905, 2126}, 250, 180, 5905, 2126);
    EXPECT_NEAR(m.extX * 250.0 / 5905, 162.0, 0.1);
    EXPECT_NEAR(m.extY * 180.0 / 2126, 162.0, 0.1);
}

TEST(PrintMapping, DeviceWithoutPhysicalSizeFallsBackToTheScreenRule) {
    SurfaceRect page{0, 0, 1000, 800};
    EXPECT_EQ(PrintMapping(page, 0, 0, 1000, 800), ScreenMapping(page));
}
