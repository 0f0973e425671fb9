#include "input/StickSmoothing.h"

#include "core/Catalogue.h"

namespace vtx {

// A NaN would stick in every smoothed axis for good: it counts as the lower
// limit, "off".
float effectiveSmoothing(float setting) { return withinUseLimits(cvar::kStickSmooth, setting); }

void smoothSticks(Sticks& smoothed, const Sticks& raw, float s) {
    // smoothed + (raw - smoothed)(1 - s), written so that s = 0 gives the raw
    // value exactly.
    const auto ease = [s](float from, float to) { return from * s + to * (1 - s); };
    for (std::size_t side = 0; side < smoothed.size(); ++side) {
        smoothed[side].x = ease(smoothed[side].x, raw[side].x);
        smoothed[side].y = ease(smoothed[side].y, raw[side].y);
    }
}

} // namespace vtx
