#pragma once
// Plain operations on pictures: making thumbnails, placing one picture in
// another, and comparing two within a tolerance.
#include <cstdint>

#include "Snapshot.h"

namespace vtxpreview {

// Each `factor` x `factor` block of pixels averaged into one (a partial
// block at the right or bottom edge averages what it has).
Picture shrink(const Picture& picture, int factor);

// A picture of one colour.
Picture filled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b);

// Copies `part` into `into` with its top-left corner at (x, y), clipped.
void place(Picture& into, const Picture& part, int x, int y);

struct PictureDifference {
    bool sameSize = false;
    long long differing = 0; // pixels with a channel further apart than the tolerance
    int largest = 0;         // the largest channel difference found
    Picture marked;          // the expected picture, dimmed, with differing pixels in magenta
};

// Compares two pictures channel by channel (alpha included).
PictureDifference comparePictures(const Picture& found, const Picture& expected, int tolerance);

} // namespace vtxpreview
