#pragma once
// The stream of control changes: each press and release of a control of the
// pad the overlay shows, at the moment the input first saw it (a HID
// report's posting time, an XInput pad's poll). Sources post as they see the
// pad; the frame takes what came since the last frame, in order, so a press
// and its release between two frames both keep their own moments.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "input/PadState.h"

namespace vtx {

struct ControlChange {
    ControlId control = 0;
    bool pressed = false;
    std::int64_t atNs = 0; // steady clock
};

// A fixed ring: posting allocates nothing, and when the frame has not taken
// the changes for so long that the ring is full, the oldest give way.
class ControlChanges {
public:
    static constexpr std::size_t kCapacity = 128;

    void post(const ControlChange& change);
    // The changes since the last take, oldest first, as many as fit in `out`;
    // the rest are dropped.
    std::size_t take(std::span<ControlChange> out);
    std::size_t size() const { return count_; }

private:
    std::array<ControlChange, kCapacity> ring_{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
};

// Turns the pads a source sees into changes: each look is compared with the
// one before, control by control in the table's order. The first look only
// learns the state, since what was already held was pressed at a moment
// nobody saw.
class ControlWatch {
public:
    void setTriggerThreshold(float threshold) { threshold_ = threshold; }
    void see(const PadState& pad, std::int64_t atNs);
    std::size_t take(std::span<ControlChange> out) { return changes_.take(out); }

private:
    ControlChanges changes_;
    float threshold_ = 0.1f;
    bool known_ = false;
    ControlBits held_ = 0;
};

} // namespace vtx
