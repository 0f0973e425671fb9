#pragma once
// Keeping a setting's value within its range, whatever the console holds.
#include <algorithm>
#include <cmath>

namespace vtx {

// `value` limited to lo..hi; a value that is not a number counts as lo.
inline float clampSetting(float value, float lo, float hi) {
    return std::isnan(value) ? lo : std::clamp(value, lo, hi);
}

} // namespace vtx
