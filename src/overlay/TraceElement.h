#pragma once
// The steering/throttle trace and the stick trail (vtx_trace_enable): one
// sample a frame, as the pad picture draws it, kept for the last seconds, and
// drawn as a strip chart under or over the pad and as fading dots in the
// sticks' wells.
#include "core/TraceSamples.h"
#include "overlay/OverlayElements.h"
#include "overlay/StickTrail.h"
#include "overlay/TraceDrawing.h"

namespace vtx {

class TraceElement final : public OverlayElement {
public:
    explicit TraceElement(const ElementParts& parts) : skins_(parts.skins) {}
    void update(const FrameInput& input) override;
    void draw(const FrameContext& frame) override;

private:
    const SkinLibrary& skins_;
    TraceSamples samples_;
    TraceChartMemory chartMemory_;
    TrailCursors trailCursors_{};
};

} // namespace vtx
