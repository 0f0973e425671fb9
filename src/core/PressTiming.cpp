#include "core/PressTiming.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <system_error>

namespace vtx {
namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

} // namespace

void PressTiming::setWindowMs(std::int64_t windowMs) {
    windowMs_ = windowMs < 0 ? 0 : windowMs;
    // A window too long for nanoseconds is as good as endless.
    constexpr auto kMaxMs = static_cast<std::int64_t>(std::numeric_limits<std::int64_t>::max() / kNsPerMs);
    windowNs_ = windowMs_ > kMaxMs ? static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                                   : static_cast<std::uint64_t>(windowMs_ * kNsPerMs);
}

void PressTiming::sample(bool held, std::int64_t nowNs) {
    const bool edge = knowState_ && held && !held_;
    knowState_ = true;
    held_ = held;
    if (edge)
        press(nowNs);
}

void PressTiming::press(std::int64_t nowNs) {
    const bool earlier = havePress_;
    const std::int64_t previous = lastPressNs_;
    havePress_ = true;
    lastPressNs_ = nowNs;
    // A clock that went back leaves nothing to measure from.
    if (!earlier || nowNs < previous)
        return;
    // Unsigned: the difference of any two ordered times fits.
    const std::uint64_t gap = static_cast<std::uint64_t>(nowNs) - static_cast<std::uint64_t>(previous);
    if (gap > windowNs_)
        return;
    for (std::size_t i = (count_ < kHistory ? count_ : kHistory - 1); i > 0; --i)
        gaps_[i] = gaps_[i - 1];
    gaps_[0] = static_cast<std::int64_t>(gap); // at most the window, which fits
    if (count_ < kHistory)
        ++count_;
}

void PressTiming::reset() {
    count_ = 0;
    havePress_ = false;
    knowState_ = false;
    held_ = false;
}

std::size_t formatGapMs(std::int64_t gapNs, char* out, std::size_t size) {
    if (!out || size == 0)
        return 0;
    out[0] = '\0';
    // Whole milliseconds and the rest, each step safe at the ends of the range.
    std::int64_t ms = gapNs / kNsPerMs;
    const std::int64_t rest = gapNs % kNsPerMs;
    if (rest >= kNsPerMs / 2)
        ++ms;
    else if (rest <= -kNsPerMs / 2)
        --ms;
    static constexpr char kUnit[] = " ms";
    char* const end = out + size;
    const auto [digitsEnd, error] = std::to_chars(out, end, ms);
    if (error != std::errc() || static_cast<std::size_t>(end - digitsEnd) < sizeof kUnit) {
        out[0] = '\0';
        return 0;
    }
    std::memcpy(digitsEnd, kUnit, sizeof kUnit);
    return static_cast<std::size_t>(digitsEnd - out) + sizeof kUnit - 1;
}

} // namespace vtx
