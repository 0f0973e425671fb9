#pragma once
// One poll of the controller sources into a PadState; Vantrix::pollPad runs
// it with the console variables' current values.
#include "input/PadState.h"

namespace vtx {

// Dispatches the sink's pending messages, then fills `pad` from the XInput
// pad that `padSetting` chooses (0-3 that index, anything else the first
// connected), else from a fresh Sony snapshot, else releases everything.
// `smoothingSetting` is vtx_stick_smooth as read.
void pollPadState(PadState& pad, int padSetting, float smoothingSetting);

} // namespace vtx
