#pragma once
// A pad as the overlay shows it, whatever it is and however it is read: the
// controls held, the triggers' pressure and the sticks, Y positive down as
// on the screen. Every source writes it directly.
#include <array>
#include <cstdint>

#include "core/Controls.h"

namespace vtx {

struct StickAxes {
    float x = 0; // -1 left .. +1 right
    float y = 0; // -1 up .. +1 down

    bool operator==(const StickAxes&) const = default;
};

// Which trigger or stick, as kControls's `side` says.
inline constexpr std::size_t kLeft = 0;
inline constexpr std::size_t kRight = 1;

struct PadState {
    // The buttons held and the sticks clicked, a bit for each ControlId. The
    // triggers' bits are not set here: a trigger counts as held by its
    // pressure, against the threshold in force (see heldControls).
    ControlBits held = 0;
    std::array<float, 2> triggers{}; // 0 released .. 1 fully pressed
    std::array<StickAxes, 2> sticks{};

    bool holds(ControlId id) const { return (held & controlBit(id)) != 0; }
    void press(ControlId id) { held |= controlBit(id); }
    bool operator==(const PadState&) const = default;
};

// Every control held: the buttons and clicks of `pad`, and each trigger
// pressed beyond `triggerThreshold` (not at it: at a threshold of 0 a
// resting trigger is released), as it is drawn.
ControlBits heldControls(const PadState& pad, float triggerThreshold);

} // namespace vtx
