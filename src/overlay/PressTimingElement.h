#pragma once
// The time between two presses of one control (vtx_timing_button), under or
// above the pad picture.
#include <optional>

#include "core/PressTiming.h"
#include "overlay/OverlayElements.h"

namespace vtx {

class PressTimingElement final : public OverlayElement {
public:
    explicit PressTimingElement(const ElementParts& parts) : timedControl_(parts.timedControl) {}
    void update(const FrameInput& input) override;
    void draw(const FrameContext& frame) override;

private:
    const std::atomic<int>& timedControl_;
    std::optional<ControlId> timed_; // what the timing follows now
    PressTiming timing_{1000};
};

} // namespace vtx
