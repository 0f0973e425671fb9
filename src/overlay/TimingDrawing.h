#pragma once
// The press timing under the pad picture: the last gap in large digits and the
// four before it smaller on the line below, newest first, centred on the
// picture and moving, scaling and fading with it. When the canvas has no room
// below the picture (the default place is the bottom of the screen), the
// lines go above it instead.
#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/PressTiming.h"
#include "overlay/OverlayElement.h"
#include "overlay/PadSurroundings.h"

namespace vtx {

// Text scales at overlay scale 1: the canvas font's glyphs are drawn this many
// times their size.
inline constexpr float kLatestGapTextScale = 3.0f;
inline constexpr float kOlderGapTextScale = 1.5f;

// Nothing until the first pair. Allocates nothing: every text fits the
// string's own small buffer.
// `pad` is the base picture's rectangle; the lines take their band from `room`.
void drawPressTiming(CanvasWrapper& canvas, const PressTiming& timing, const PadPlace& pad, PadSurroundings& room,
                     float scale, float alpha);

} // namespace vtx
