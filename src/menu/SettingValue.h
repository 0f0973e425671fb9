#pragma once
// Reading and writing the menu's numeric settings within their ranges.
// Whatever a field or slider produces (a huge number, an infinity, NaN) the
// variable only ever receives a number inside its range, or nothing.
#include <optional>

#include "core/Clamp.h"

class CVarManagerWrapper;

namespace vtx {

struct CvarSpec;

// The value to store for an edit: clamped into the range, or none for NaN
// (the value in force stays).
std::optional<float> settingToStore(float edited, float lo, float hi);

// The variable as a float, clamped into its menu clamp (the variable is not written).
float readClamped(CVarManagerWrapper& cvars, const CvarSpec& var);
// Writes an edit through the float form when settingToStore allows it,
// rounded to a whole number for a variable read as an integer.
void storeClamped(CVarManagerWrapper& cvars, const CvarSpec& var, float edited);

} // namespace vtx
