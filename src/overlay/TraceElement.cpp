#include "overlay/TraceElement.h"

#include "core/Catalogue.h"
#include "core/Clamp.h"
#include "overlay/StickTrail.h"
#include "overlay/TraceDrawing.h"

namespace vtx {

void TraceElement::update(const FrameInput& input) {
    if (!input.settings.on(cvar::kTraceEnable)) {
        // Switched on again, the trace starts afresh rather than joining
        // two stretches of play across the gap.
        samples_.clear();
        return;
    }
    const float deadzone = input.settings.number(cvar::kDeadzone);
    const Sticks& sticks = input.pad.drawnSticks;
    const std::array<float, 2>& triggers = input.pad.pad.triggers;
    samples_.add(TraceSample{
        input.nowNs,
        stickDeflection(sticks[kLeft].x, deadzone),
        stickDeflection(sticks[kLeft].y, deadzone),
        stickDeflection(sticks[kRight].x, deadzone),
        stickDeflection(sticks[kRight].y, deadzone),
        clampSetting(triggers[kRight], 0.0f, 1.0f),
        clampSetting(triggers[kLeft], 0.0f, 1.0f),
    });
}

void TraceElement::draw(const FrameContext& frame) {
    if (!frame.settings.on(cvar::kTraceEnable) || samples_.count() == 0) {
        return;
    }
    const std::int64_t windowNs = std::int64_t{frame.settings.integer(cvar::kTraceMs)} * 1'000'000;
    drawTraceChart(frame.canvas, samples_, TraceView{frame.nowNs, windowNs}, chartMemory_, frame.visible, frame.room,
                   frame.layout);
    drawStickTrails(frame.canvas, samples_, frame.nowNs, trailCursors_, skins_.stickCapBoxes(), frame.settings,
                    frame.layout);
}

} // namespace vtx
