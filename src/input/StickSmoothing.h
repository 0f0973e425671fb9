#pragma once
// The drawn sticks follow the pad through an exponential filter, so a stick
// moves smoothly rather than jumping between the pad's samples.
#include <array>

#include "input/PadState.h"

namespace vtx {

// The smoothing setting as the filter uses it: within vtx_stick_smooth's
// limits of use (0..0.98), and 0 for a value that is not a number.
float effectiveSmoothing(float setting);

using Sticks = std::array<StickAxes, 2>;
// One step of the filter: each smoothed axis moves (1 - s) of the way to the
// pad's; s = 0 follows the pad exactly.
void smoothSticks(Sticks& smoothed, const Sticks& raw, float smoothing);

} // namespace vtx
