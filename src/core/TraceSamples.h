#pragma once
// What the steering/throttle trace and the stick trail draw: one sample a
// frame, as the overlay drew that frame (sticks after the dead zone and the
// smoothing, triggers as their pictures take them), kept in a fixed ring. Pure:
// no clock of its own, no allocation.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vtx {

struct TraceSample {
    std::int64_t atNs = 0;
    float leftX = 0, leftY = 0;   // left stick, -1..1, Y down
    float rightX = 0, rightY = 0; // right stick
    float throttle = 0;           // right trigger, 0..1
    float brake = 0;              // left trigger, 0..1
};

// Where a lookup by time last ended. A chart point's moment moves forward
// with the frames, a sample or two at a time, so its next lookup walks on
// from here instead of searching the whole ring.
struct TraceCursor {
    std::uint64_t next = 0; // the number of the first sample after the one found
};

class TraceSamples {
public:
    // A frame's sample for 5 s at 400 frames a second; at a higher rate the
    // trace shows the last 2048 frames.
    static constexpr std::size_t kCapacity = 2048;

    void add(const TraceSample& sample);
    void clear() { count_ = 0; }
    std::size_t count() const { return count_; }
    // Sample `i`, 0 the newest.
    const TraceSample& sample(std::size_t i) const { return numbered(added_ - 1 - i); }

    // The newest sample taken at or before `atNs`; null when there is none.
    const TraceSample* at(std::int64_t atNs) const;
    // The same, starting from where `cursor` was left and leaving it there
    // for the next lookup. Any cursor gives the same answer; one kept for a
    // moment that moves forward makes it cheap.
    const TraceSample* at(std::int64_t atNs, TraceCursor& cursor) const {
        // Most lookups: the cursor's sample is still the one, or the next is.
        const std::uint64_t next = cursor.next;
        if (next > added_ - count_ && next <= added_ && numbered(next - 1).atNs <= atNs) {
            if (next == added_ || numbered(next).atNs > atNs)
                return &numbered(next - 1);
            if (next + 1 == added_ || numbered(next + 1).atNs > atNs) {
                cursor.next = next + 1;
                return &numbered(next);
            }
        }
        return walkedTo(atNs, cursor);
    }

private:
    // Every sample is numbered in the order added, 0 the first since the
    // start, so a number stays valid while the ring turns.
    const TraceSample& numbered(std::uint64_t n) const { return ring_[n % kCapacity]; }
    std::uint64_t firstAfter(std::int64_t atNs) const;
    const TraceSample* found(std::uint64_t next) const;
    const TraceSample* walkedTo(std::int64_t atNs, TraceCursor& cursor) const;

    std::array<TraceSample, kCapacity> ring_{};
    std::uint64_t added_ = 0;
    std::size_t count_ = 0;
};

} // namespace vtx
