#include "input/PadState.h"

namespace vtx {

ControlBits heldControls(const PadState& pad, float triggerThreshold) {
    ControlBits held = pad.held;
    for (std::size_t id = 0; id < kControlCount; ++id) {
        const ControlSpec& control = kControls[id];
        if (control.kind == ControlKind::trigger && pad.triggers[control.side] > triggerThreshold)
            held |= controlBit(static_cast<ControlId>(id));
    }
    return held;
}

} // namespace vtx
