// The room around the pad that displays share: bands stack outward from the
// pad, turn to the other side where the canvas ends, and never overlap.
#include <gtest/gtest.h>

#include "overlay/PadSurroundings.h"

namespace pad_surroundings_test {

// A 700x460 picture at (100, 200) whose visible part starts 50 px in from each side.
constexpr vtx::PadPlace kPicture{100, 200, 700, 460};
constexpr vtx::PadPlace kVisible{150, 250, 600, 360};

TEST(PadSurroundings, BandsUnderThePictureStackThenGoOverItWhereTheCanvasEnds) {
    vtx::PadSurroundings room(kPicture, kVisible, Vector2{1920, 1080}, 6);
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(100), 666);  // 200 + 460 + 6
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(100), 772);  // under the first band
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(300), -106); // 772 + 106 + 300 > 1080: over the picture
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(250), -362); // over the band over it: -106 - 6 - 250
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(40), 878);   // a smaller one still fits under
}

TEST(PadSurroundings, BandsBesideRunAlongTheVisiblePart) {
    vtx::PadSurroundings room(kPicture, kVisible, Vector2{1920, 1080}, 6);
    EXPECT_FLOAT_EQ(room.takeRightElseLeft(1000), 756); // 150 + 600 + 6
    EXPECT_FLOAT_EQ(room.takeRightElseLeft(200), -56);  // 1762 + 200 > 1920: left, 150 - 6 - 200
    // Under and over are another matter: the right side being full changes nothing there.
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(10), 666);
}

TEST(PadSurroundings, TheWidestRoomBesideShrinksAsBandsAreTaken) {
    vtx::PadSurroundings room(kPicture, kVisible, Vector2{1920, 1080}, 6);
    EXPECT_FLOAT_EQ(room.widestBeside(), 1164); // right: 1920 - 750 - 6; left only 150 - 6
    room.takeRightElseLeft(1000);
    EXPECT_FLOAT_EQ(room.widestBeside(), 158);          // right of that band: 1920 - 1756 - 6
    EXPECT_FLOAT_EQ(room.takeRightElseLeft(158), 1762); // exactly that still fits on the right
    EXPECT_FLOAT_EQ(room.widestBeside(), 144);          // now the left is wider
}

TEST(PadSurroundings, ACanvasOfUnknownSizeHasRoomEverywhere) {
    vtx::PadSurroundings room(kPicture, kVisible, Vector2{0, 0}, 6);
    EXPECT_FLOAT_EQ(room.takeBelowElseAbove(5000), 666);
    EXPECT_FLOAT_EQ(room.takeRightElseLeft(5000), 756);
    EXPECT_GT(room.widestBeside(), 1e30f);
}

} // namespace pad_surroundings_test
