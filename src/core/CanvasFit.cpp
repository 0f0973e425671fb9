#include "core/CanvasFit.h"

#include <cmath>

namespace vtx {
namespace {

// Along one axis: the origin moved so that the box, spanning [first, last)
// from it, lies within [0, size); the origin itself when it does already.
// Worked from the box's offsets, not its ends, so that a place far off the
// canvas (the console keeps any number) comes back exactly.
float placeAlong(float origin, double first, double last, int size) {
    const double from = origin;
    if (size <= 0 || !std::isfinite(from) || !std::isfinite(first) || !std::isfinite(last))
        return origin;
    double moved = from;
    if (moved + last > size)
        moved = size - last;
    if (moved + first < 0)
        moved = -first;
    if (moved == from)
        return origin;
    // Rounded outward, to a whole pixel, so the edge that was over stays inside.
    return static_cast<float>(moved < from ? std::floor(moved) : std::ceil(moved));
}

} // namespace

CanvasOrigin placeOnCanvas(const PixelBox& box, CanvasOrigin origin, float scale, int canvasWidth, int canvasHeight) {
    const auto along = [scale](float from, int first, int last, int size) {
        return placeAlong(from, first * double{scale}, last * double{scale}, size);
    };
    return CanvasOrigin{along(origin.x, box.left, box.right, canvasWidth),
                        along(origin.y, box.top, box.bottom, canvasHeight)};
}

} // namespace vtx
