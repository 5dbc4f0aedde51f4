#include "LPlacement.h"

#include <gtest/gtest.h>

TEST(Placement, DialogsSitAtAThirdOfTheFreeHeightAndCentredAcross) {
    EXPECT_EQ(LPlaceDialog({0, 22, 1440, 878}, 540, 194), (LRect{450, 22 + 228, 540, 194}));
    EXPECT_EQ(LPlaceDialog({1440, 0, 1024, 768}, 540, 92), (LRect{1440 + 242, 225, 540, 92}));
    // Taller than the screen: at its top, never above it.
    EXPECT_EQ(LPlaceDialog({0, 22, 800, 578}, 400, 700).y, 22);
    EXPECT_EQ(LPlaceCentred({0, 0, 1440, 900}, 684, 437), (LRect{378, 231, 684, 437}));
}

TEST(Placement, BubbleTipsGoRightOrLeftOnNarrowScreensAndStayOnTheScreen) {
    const LRect field{300, 200, 250, 22};
    struct Case {
        LRect screen;
        LRect control;
        LRect tip;
    } cases[] = {
        // Wide screen: to the right, centred on the field.
        {{0, 0, 1440, 900}, field, {558, 176, 200, 70}},
        // 1024 wide: to the left.
        {{0, 0, 1024, 768}, field, {92, 176, 200, 70}},
        // Left of a field at the edge: pushed back onto the screen.
        {{0, 0, 1024, 768}, {10, 200, 250, 22}, {0, 176, 200, 70}},
        // Right of a field at the right edge and at the bottom.
        {{0, 0, 1440, 900}, {1300, 880, 120, 22}, {1240, 830, 200, 70}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LBubbleTipPlace(c.screen, c.control, 200, 70), c.tip)
            << c.control.x << "," << c.control.y;
    }
}
