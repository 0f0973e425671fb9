#pragma once
// The room around the pad that the displays share within one frame. A display
// asks for a band of its size and gets the next free one on its preferred
// side, or on the opposite side when the canvas has no room there; a band
// taken is not given again, so displays drawn in one frame never overlap.
// Bands under and over the pad run along the base picture's rectangle (the
// press timing's place since it first appeared); bands beside it along the
// picture's visible part, so they sit against what the player sees.
#include "bakkesmod/wrappers/wrapperstructs.h"
#include "overlay/OverlayElement.h"

namespace vtx {

class PadSurroundings {
public:
    // `gap`: the space between the pad and a band, and between two bands.
    PadSurroundings(const PadPlace& picture, const PadPlace& visible, Vector2 canvasSize, float gap);

    // A band `height` tall under the pad, or over it when the canvas ends
    // first; its top edge.
    float takeBelowElseAbove(float height);
    // A band `width` wide right of the pad, or left of it when the canvas
    // ends first; its left edge.
    float takeRightElseLeft(float width);
    // The widest band takeRightElseLeft can still give on the canvas, on
    // either side; very large on a canvas of unknown size.
    float widestBeside() const;

private:
    float canvasWidth_;
    float canvasHeight_;
    float gap_;
    float freeBelow_; // the first free row under the pad and its bands
    float freeAbove_; // the row under the last band over it
    float freeRight_;
    float freeLeft_;
};

} // namespace vtx
