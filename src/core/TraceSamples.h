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

class TraceSamples {
public:
    // A frame's sample for 5 s at 400 frames a second; at a higher rate the
    // trace shows the last 2048 frames.
    static constexpr std::size_t kCapacity = 2048;

    void add(const TraceSample& sample);
    void clear() { count_ = 0; }
    std::size_t count() const { return count_; }
    // Sample `i`, 0 the newest.
    const TraceSample& sample(std::size_t i) const { return ring_[(newest_ + kCapacity - i) % kCapacity]; }

    // The newest sample taken at or before `atNs`; null when there is none.
    const TraceSample* at(std::int64_t atNs) const;

private:
    std::array<TraceSample, kCapacity> ring_{};
    std::size_t newest_ = kCapacity - 1;
    std::size_t count_ = 0;
};

} // namespace vtx
