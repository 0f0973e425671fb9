#pragma once
// The steps of pollPad that turn a source into PadState, without the OS.
#include <cstdint>

#include "input/PadState.h"
#include "input/RawPadSnapshot.h"
#include "platform/Platform.h"

namespace vtx {

// A Sony snapshot older than this many milliseconds no longer counts as a pad.
inline constexpr std::uint64_t sonyFreshnessMs = 500;

// v / 32767, with -32768 pinned to exactly -1.
float xinputAxis(std::int16_t value);

// Buttons, triggers and sticks of an XInput pad; Y turned to screen sense.
void padFromXInput(const platform::XInputGamepad& gamepad, PadState& pad);
// Buttons, triggers and sticks of a Sony snapshot; Y turned to screen sense.
void padFromSony(const RawPadSnapshot& snapshot, PadState& pad);
// The snapshot still describes a connected pad at tick count `nowMs`.
bool sonySnapshotFresh(const RawPadSnapshot& snapshot, std::uint64_t nowMs);

// The smoothing setting as the filter uses it: 0..0.98, and 0 for a value
// that is not a number.
float effectiveSmoothing(float setting);
// One step of the filter: each smoothed axis moves (1 - s) of the way to its raw value.
void smoothSticks(PadState& pad, float smoothing);

} // namespace vtx
