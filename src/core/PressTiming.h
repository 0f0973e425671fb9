#pragma once
// Press timing for one button: the time from each press to the press before
// it, for coaching double taps and quick follow-ups. A press is the moment a
// released button is first seen held, so the times are as fine as the
// samples are (a game frame for XInput pads, a report for Sony pads). Pure:
// no clock of its own, no allocation.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vtx {

class PressTiming {
public:
    // Gaps kept, the newest first.
    static constexpr std::size_t kHistory = 5;

    explicit PressTiming(std::int64_t windowMs) { setWindowMs(windowMs); }

    // Two presses at most this far apart make a pair; a press after a longer
    // pause starts over. A negative window is 0. Kept gaps stay.
    void setWindowMs(std::int64_t windowMs);
    std::int64_t windowMs() const { return windowMs_; }

    // The button as seen at `nowNs` on a steady clock. The first sample after
    // construction or reset() only learns the state: a button already held
    // then was pressed at a time nobody saw.
    void sample(bool held, std::int64_t nowNs);
    // A press the caller saw itself at `nowNs`, whatever sample() was told.
    void press(std::int64_t nowNs);
    // Forgets the presses and the gaps (another button, another pad).
    void reset();

    bool hasPair() const { return count_ > 0; }
    std::size_t count() const { return count_; }
    // Gap `i` in nanoseconds, 0 the newest; 0 past count().
    std::int64_t gapNs(std::size_t i) const { return i < count_ ? gaps_[i] : 0; }

private:
    std::array<std::int64_t, kHistory> gaps_{};
    std::size_t count_ = 0;
    std::int64_t windowMs_ = 0;
    std::uint64_t windowNs_ = 0;
    std::int64_t lastPressNs_ = 0;
    bool havePress_ = false;
    bool knowState_ = false;
    bool held_ = false;
};

// Room for any gap's text, the terminating zero included.
inline constexpr std::size_t kGapTextSize = 24;

// Writes the gap in whole milliseconds, rounded to the nearest (a half
// rounds away from zero), as "142 ms" with a terminating zero into `out`.
// Returns the length written; 0 and an empty text when `size` is too small.
std::size_t formatGapMs(std::int64_t gapNs, char* out, std::size_t size);

} // namespace vtx
