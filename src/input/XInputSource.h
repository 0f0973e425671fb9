#pragma once
// Xbox-type pads, through XInput: user indices 0 to 3, each with its last
// answer. A pad is seen once a frame, so its presses are timed to the frame.
#include <array>
#include <cstdint>

#include "input/PadSource.h"
#include "platform/Platform.h"

namespace vtx {

// v / 32767, with -32768 pinned to exactly -1.
float xinputAxis(std::int16_t value);
// The pad state of an XInput pad's record: buttons, triggers, sticks with Y
// turned to screen sense.
PadState padFromXInput(const platform::XInputGamepad& gamepad);

class XInputSource final : public PadSource {
public:
    // Queries the index vtx_pad names (0-3), or, for any other value, indices
    // 0 to 3 in order up to the first connected one.
    void refresh(const SourcePoll& at) override;
    // The pad the last refresh chose.
    bool poll(const SourcePoll& at, PadState& out) override;
    // XInput comes first: whenever it has a pad, that pad is shown.
    void setShown(bool) override {}

    // A copy of what the last query of `index` found (false when not connected).
    bool lastAnswer(unsigned index, platform::XInputGamepad& out) const;

private:
    struct UserIndex {
        bool connected = false;
        platform::XInputGamepad gamepad;
    };
    bool query(unsigned index);

    std::array<UserIndex, 4> users_{};
    int chosen_ = -1;
};

} // namespace vtx
