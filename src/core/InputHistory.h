#pragma once
// The input history a coach reads: each press of a control is an entry, with
// how long the control was (or is, while held) held and the time from the
// press before. Fed the stream of control changes, each at the moment the
// input saw it, so a tap shorter than a frame keeps its real length and
// controls pressed in one report are entries a gap of 0 apart. Pure: no clock
// of its own, no allocation.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/Controls.h"

namespace vtx {

class InputHistory {
public:
    // The most entries it keeps; vtx_history_count chooses how many of them show.
    static constexpr std::size_t kCapacity = 12;

    struct Entry {
        ControlId control = 0;
        std::int64_t pressedNs = 0;
        std::int64_t releasedNs = 0; // while held: 0
        bool held = true;
    };

    // A control pressed at `atNs`: a new entry, the newest. When full the
    // oldest leaves.
    void press(ControlId control, std::int64_t atNs);
    // Its newest entry's press ends at `atNs`; nothing when no entry of it is held.
    void release(ControlId control, std::int64_t atNs);
    void clear() { count_ = 0; }

    std::size_t count() const { return count_; }
    // Entry `i`, 0 the newest.
    const Entry& entry(std::size_t i) const { return entries_[(newest_ + kCapacity - i) % kCapacity]; }
    // How long entry `i` was held, or has been up to `nowNs` while it still is.
    std::int64_t heldNs(std::size_t i, std::int64_t nowNs) const;
    // The time from the press of entry `i + 1` (the one before) to entry
    // `i`'s; 0 for the oldest entry.
    std::int64_t gapNs(std::size_t i) const;

private:
    std::array<Entry, kCapacity> entries_{};
    std::size_t newest_ = kCapacity - 1;
    std::size_t count_ = 0;
};

// Room for an entry's or a gap's text, the terminating zero included.
inline constexpr std::size_t kHistoryTextSize = 32;
// "A 83 ms": the control's code and the time held, in whole milliseconds
// rounded to the nearest. The length written; 0 and an empty text when
// `size` is too small.
std::size_t formatHeld(ControlId control, std::int64_t heldNs, char* out, std::size_t size);
// "+150 ms": the gap to the press before, rounded the same way.
std::size_t formatGap(std::int64_t gapNs, char* out, std::size_t size);

} // namespace vtx
