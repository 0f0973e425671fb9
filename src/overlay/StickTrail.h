#pragma once
// The stick trail: where each stick was over the last half second, as dots in
// its well that grow fainter with age. A well's centre is where the stick's
// cap sits in its picture, moved by the cap's offset; a dot sits where the
// cap was drawn at that moment. The cap itself shows the present, so a dot
// hidden under it is not drawn: a stick at rest leaves no trail.
#include <array>
#include <cstdint>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/CanvasFit.h"
#include "core/SettingsSnapshot.h"
#include "core/TraceSamples.h"
#include "overlay/LayerDrawing.h"

namespace vtx {

// Dots a stick, one every kTrailNs / kTrailDots back from now.
inline constexpr int kTrailDots = 10;
inline constexpr std::int64_t kTrailNs = 500'000'000;

// Where each dot's lookup ended last frame, kept by the caller (see
// TracePointCursors).
using TrailCursors = std::array<TraceCursor, kTrailDots>;

// `capBoxes`: each stick's cap in its picture, by side; an empty box draws
// no trail for that stick. Allocates nothing.
void drawStickTrails(CanvasWrapper& canvas, const TraceSamples& samples, std::int64_t nowNs, TrailCursors& cursors,
                     const std::array<PixelBox, 2>& capBoxes, const SettingsSnapshot& settings, const Layout& layout);

} // namespace vtx
