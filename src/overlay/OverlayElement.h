#pragma once
// One display of the overlay (the pad picture, the press timing, the input
// history, the trace...). Each frame every element is updated from the frame's
// pad state and the control changes it took, whether or not the overlay shows,
// so nothing is missed while it is hidden; then, when the overlay shows, each
// draws over the same frame context, in the order of the element list.
#include <cstdint>
#include <span>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "core/SettingsSnapshot.h"
#include "input/ControlChanges.h"
#include "input/PadInput.h"
#include "overlay/LayerDrawing.h"

namespace vtx {

// A rectangle on the canvas, in pixels.
struct PadPlace {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class PadSurroundings;

// What the frame hands every element to update from.
struct FrameInput {
    const PadFrame& pad;
    std::span<const ControlChange> changes; // taken this frame, oldest first
    const SettingsSnapshot& settings;
    std::int64_t nowNs;
};

// Where and how the frame draws: the pad's place, scale and fade in `layout`
// (already kept on the canvas), the base picture's rectangle and its visible
// part on the canvas, and the room around them that the displays share.
struct FrameContext {
    CanvasWrapper& canvas;
    const SettingsSnapshot& settings;
    const Layout& layout;
    const PadFrame& pad;
    PadPlace picture;
    PadPlace visible;
    Vector2 canvasSize;
    std::int64_t nowNs;
    PadSurroundings& room;
};

class OverlayElement {
public:
    virtual ~OverlayElement() = default;
    // Runs every frame the overlay is enabled. Allocates nothing.
    virtual void update(const FrameInput& input) = 0;
    // Runs when the overlay shows, after every element's update. Allocates nothing.
    virtual void draw(const FrameContext& frame) = 0;
};

} // namespace vtx
