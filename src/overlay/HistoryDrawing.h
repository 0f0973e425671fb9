#pragma once
// The input history as a row beside the pad's visible part: right of it, or
// left when the canvas ends first, the newest entry nearest the pad. Each
// entry reads "A 83 ms" (the control and how long it was held, or has been
// so far); between two entries the smaller "+150 ms" is the time from one
// press to the next. The row is centred on the visible part's height and
// kept on the canvas, over a translucent box so it reads over the game; it
// moves, scales and fades with the pad. When the row is wider than the room
// on either side, the oldest entries shown are left out until it fits.
#include <cstddef>

#include "overlay/HistoryTexts.h"
#include "overlay/OverlayElement.h"

namespace vtx {

// The entries whose texts `row` holds, refreshed for this frame. Allocates
// nothing.
void drawHistory(const FrameContext& frame, const HistoryTexts& row);

} // namespace vtx
