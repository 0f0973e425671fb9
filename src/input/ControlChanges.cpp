#include "input/ControlChanges.h"

#include <algorithm>

namespace vtx {

void ControlChanges::post(const ControlChange& change) {
    if (count_ == kCapacity) {
        first_ = (first_ + 1) % kCapacity;
        --count_;
    }
    ring_[(first_ + count_) % kCapacity] = change;
    ++count_;
}

std::size_t ControlChanges::take(std::span<ControlChange> out) {
    const std::size_t n = std::min(out.size(), count_);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = ring_[(first_ + i) % kCapacity];
    first_ = 0;
    count_ = 0;
    return n;
}

void ControlWatch::see(const PadState& pad, std::int64_t atNs) {
    const ControlBits held = heldControls(pad, threshold_);
    const ControlBits changed = known_ ? held ^ held_ : 0;
    known_ = true;
    held_ = held;
    for (std::size_t id = 0; id < kControlCount && (changed >> id) != 0; ++id) {
        const ControlBits bit = controlBit(static_cast<ControlId>(id));
        if ((changed & bit) != 0)
            changes_.post(ControlChange{static_cast<ControlId>(id), (held & bit) != 0, atNs});
    }
}

} // namespace vtx
