#pragma once
// Keeping the pad picture on the canvas. A place that suits one screen size
// (the default is made for 2560x1440) would put the pad partly or wholly off a
// smaller one; the picture is drawn moved just far enough to be whole, while
// the stored place stays as the user set it.

namespace vtx {

// A rectangle in picture pixels; right and bottom are exclusive.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelBox&) const = default;
};

// Where to draw from so that `box`, drawn from `origin` at `scale`, lies
// within a canvas of the given size: `origin` itself on an axis where the box
// fits already or the canvas size is unknown (0), else moved just far enough,
// to a whole pixel, so truncating it for the canvas loses no edge. A box
// bigger than the canvas keeps its left or top edge on it.
struct CanvasOrigin {
    float x = 0;
    float y = 0;
};
CanvasOrigin placeOnCanvas(const PixelBox& box, CanvasOrigin origin, float scale, int canvasWidth, int canvasHeight);

} // namespace vtx
