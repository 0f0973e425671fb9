#pragma once
// The published input report layouts of the DualShock 4 and the DualSense
// (USB and Bluetooth), chosen by the pad's protocol, the report id and the
// report's length, and read straight into the pad state.
#include <cstddef>
#include <cstdint>

#include "input/PadState.h"
#include "input/SonyPads.h"

namespace vtx {

enum class KnownLayout {
    notCovered, // no layout of this protocol fits this report id and length
    noPadState, // a known report that carries no pad (adapter without a pad, no HID data)
    decoded,
};

// Decodes `report` (report id first) by the layout of `protocol` for its
// report id and length. `out` is written only when the result is `decoded`.
KnownLayout decodeKnownLayout(SonyProtocol protocol, const std::uint8_t* report, std::size_t length, PadState& out);

// A Sony stick byte (0 left or up, 255 right or down) in -1..1, 128 the centre.
float sonyStickAxis(std::uint8_t value);
// The hat's eight directions (0 up, clockwise in eighths; 8 and above at
// rest) as D-pad controls: a diagonal holds both of its directions.
void pressHat(int hat, PadState& pad);

} // namespace vtx
