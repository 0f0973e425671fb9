#pragma once
// The steering/throttle trace: a strip chart of the last vtx_trace_ms in a
// band under the pad (over it where the canvas ends), as wide as the pad's
// visible part. The left stick's X swings around a centre line (right up),
// the throttle (right trigger) and the brake (left trigger) rise from the
// bottom; the newest sample sits at the right edge. Above the chart the
// newest values as numbers, each in its line's colour. Moves, scales and
// fades with the pad.
#include <array>
#include <cstdint>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/TraceSamples.h"
#include "overlay/OverlayElement.h"
#include "overlay/PadSurroundings.h"

namespace vtx {

// Each line is drawn as this many segments whatever the frame rate, so a
// 5 s window at hundreds of frames a second costs what a short one does.
inline constexpr int kTraceSegments = 40;
// The chart's height at overlay scale 1, without the numbers above it.
inline constexpr float kTraceChartHeight = 100.0f;

// The stretch of time the chart shows: `windowNs` up to `nowNs`.
struct TraceView {
    std::int64_t nowNs;
    std::int64_t windowNs;
};

// Where each point's lookup ended last frame, kept by the caller from frame
// to frame so that finding the points costs a step each, not a search.
using TracePointCursors = std::array<TraceCursor, kTraceSegments + 1>;

// One of the numbers above the chart, with its size as the canvas measured it.
struct TraceNumber {
    std::array<char, 16> text{};
    float textScale = 0;
    Vector2F size{0, 0};
};

// What the chart keeps from one frame to the next, so that a frame redoes
// only what changed.
struct TraceChartMemory {
    TracePointCursors cursors{};
    std::array<TraceNumber, 3> numbers{};
};

// Nothing without a sample. Allocates nothing: each text is at most 15
// characters.
void drawTraceChart(CanvasWrapper& canvas, const TraceSamples& samples, TraceView view, TraceChartMemory& memory,
                    const PadPlace& visible, PadSurroundings& room, const Layout& layout);

} // namespace vtx
