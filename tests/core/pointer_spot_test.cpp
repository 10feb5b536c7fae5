#include "core/view/pointer_spot.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(MagnifierPlace, NeverOverTheSpotAndOnTheCanvasWhereverThereIsRoom) {
    constexpr int size = 151, w = 900, h = 600;
    for (int x = 0; x < w; x += 7) {
        for (int y = 0; y < h; y += 7) {
            const CanvasCorner c = magnifierCorner(x, y, size, w, h);
            const bool overX = x >= c.x && x < c.x + size;
            const bool overY = y >= c.y && y < c.y + size;
            ASSERT_FALSE(overX && overY) << x << "," << y;
            ASSERT_GE(c.x, 0);
            ASSERT_LE(c.x + size, w);
            ASSERT_GE(c.y, 0);
            ASSERT_LE(c.y + size, h);
        }
    }
    // A canvas too small for it on either side: it still keeps off the spot.
    const CanvasCorner tight = magnifierCorner(100, 100, size, 250, 250);
    EXPECT_TRUE(tight.x >= 100 || tight.x + size <= 100);
}

} // namespace
} // namespace vex
