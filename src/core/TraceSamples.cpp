#include "core/TraceSamples.h"

namespace vtx {

void TraceSamples::add(const TraceSample& sample) {
    newest_ = (newest_ + 1) % kCapacity;
    ring_[newest_] = sample;
    if (count_ < kCapacity)
        ++count_;
}

const TraceSample* TraceSamples::at(std::int64_t atNs) const {
    // Samples are in time order: the newest first, so the search from the
    // newest end stops at the first one not after `atNs`. Binary, since a
    // full ring is searched for every point the trace draws.
    std::size_t lo = 0;
    std::size_t hi = count_;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (sample(mid).atNs <= atNs)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo < count_ ? &sample(lo) : nullptr;
}

} // namespace vtx
