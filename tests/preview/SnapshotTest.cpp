// The preview's picture of a frame: position, scale, tint, alpha and order.
#include <gtest/gtest.h>

#include "Snapshot.h"

namespace {

// A 2×1 picture: an opaque red pixel, then a fully transparent one.
vtxhost::DrawCall redDot(int x, int y, float scale, unsigned char alpha) {
    vtxhost::DrawCall draw;
    draw.pixels = std::make_shared<std::vector<std::uint8_t>>(std::vector<std::uint8_t>{255, 0, 0, 255, 0, 0, 255, 0});
    draw.imageWidth = 2;
    draw.imageHeight = 1;
    draw.x = x;
    draw.y = y;
    draw.scale = scale;
    draw.a = alpha;
    return draw;
}

std::vector<int> pixel(const vtxpreview::Picture& picture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2]};
}

TEST(Snapshot, DrawsScaledAtItsPositionOverTheBackground) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(1, 1, 2.0f, 255));
    const vtxpreview::Picture picture = vtxpreview::renderFrame(frame, 8, 4);
    const std::vector<int> background = pixel(picture, 0, 0);
    EXPECT_EQ(pixel(picture, 1, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(pixel(picture, 2, 2), (std::vector<int>{255, 0, 0})); // scale 2: 2×2 pixels of red
    EXPECT_EQ(pixel(picture, 3, 1), background);                    // the transparent source pixel
    EXPECT_EQ(pixel(picture, 1, 3), background);
}

TEST(Snapshot, AlphaBlendsAndLaterDrawsGoOnTop) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(0, 0, 1.0f, 255));
    vtxhost::DrawCall blue = redDot(0, 0, 1.0f, 128);
    blue.r = 0;
    blue.b = 255; // a blue tint of a red picture leaves no colour: black at half strength
    frame.draws.push_back(blue);
    const vtxpreview::Picture picture = vtxpreview::renderFrame(frame, 2, 1);
    EXPECT_EQ(pixel(picture, 0, 0), (std::vector<int>{127, 0, 0}));
}

TEST(Snapshot, DrawsOffTheEdgeAreClipped) {
    vtxhost::CanvasRecord frame;
    frame.draws.push_back(redDot(-1, 0, 1.0f, 255));
    frame.draws.push_back(redDot(3, 3, 10.0f, 255));
    const vtxpreview::Picture picture = vtxpreview::renderFrame(frame, 4, 4);
    EXPECT_EQ(pixel(picture, 3, 3), (std::vector<int>{255, 0, 0}));
    EXPECT_NE(pixel(picture, 0, 0), (std::vector<int>{255, 0, 0}));
}

} // namespace
