#include "overlay/PressTimingElement.h"

#include "core/Catalogue.h"
#include "overlay/TimingDrawing.h"

namespace vtx {

void PressTimingElement::update(const FrameInput& input) {
    const int stored = timedControl_.load();
    std::optional<ControlId> wanted;
    if (input.settings.on(cvar::kTimingEnable) && stored != kNoTimedControl) {
        wanted = static_cast<ControlId>(stored);
    }
    if (wanted != timed_) {
        // Another control, or timing switched off: its pairs are not this one's.
        timing_.reset();
        timed_ = wanted;
    }
    if (!timed_) {
        return;
    }
    timing_.setWindowMs(input.settings.integer(cvar::kTimingWindowMs));
    for (const ControlChange& change : input.changes) {
        if (change.control == *timed_ && change.pressed) {
            timing_.press(change.atNs);
        }
    }
}

void PressTimingElement::draw(const FrameContext& frame) {
    if (timed_) {
        drawPressTiming(frame.canvas, timing_, frame.picture, frame.room, frame.layout.scale, frame.layout.fadeAlpha);
    }
}

} // namespace vtx
