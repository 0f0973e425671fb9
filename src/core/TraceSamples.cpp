#include "core/TraceSamples.h"

#include <algorithm>

namespace vtx {

namespace {
// How far a cursor walks forward before a search is cheaper.
constexpr std::uint64_t kLongestWalk = 8;
} // namespace

void TraceSamples::add(const TraceSample& sample) {
    ring_[added_ % kCapacity] = sample;
    ++added_;
    if (count_ < kCapacity)
        ++count_;
}

std::uint64_t TraceSamples::firstAfter(std::int64_t atNs) const {
    // Samples are in time order, so the first one after `atNs` is found by
    // halving: a full ring is 2048 of them.
    std::uint64_t lo = added_ - count_;
    std::uint64_t hi = added_;
    while (lo < hi) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        if (numbered(mid).atNs <= atNs)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

const TraceSample* TraceSamples::found(std::uint64_t next) const {
    return next > added_ - count_ ? &numbered(next - 1) : nullptr;
}

const TraceSample* TraceSamples::at(std::int64_t atNs) const { return found(firstAfter(atNs)); }

const TraceSample* TraceSamples::walkedTo(std::int64_t atNs, TraceCursor& cursor) const {
    const std::uint64_t oldest = added_ - count_;
    std::uint64_t next = std::clamp(cursor.next, oldest, added_);
    if (next > oldest && numbered(next - 1).atNs > atNs) {
        // The moment went back (a longer window): the cursor is past it.
        next = firstAfter(atNs);
    } else {
        for (std::uint64_t step = 0; next < added_ && numbered(next).atNs <= atNs; ++step, ++next) {
            if (step == kLongestWalk) {
                next = firstAfter(atNs);
                break;
            }
        }
    }
    cursor.next = next;
    return found(next);
}

} // namespace vtx
