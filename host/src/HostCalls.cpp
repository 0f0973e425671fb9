#include "HostCalls.h"

#include <atomic>

namespace vtxhost {
namespace {

// The window thread calls in while the game thread does: relaxed atomics,
// read once both are done.
std::atomic<std::uint64_t> cvarReads{0};
std::atomic<std::uint64_t> wrapperCopies{0};
std::atomic<std::uint64_t> canvasCalls{0};
thread_local int hostOwnDepth = 0;

} // namespace

void countHostCall(HostCall call) noexcept {
    switch (call) {
    case HostCall::CvarRead:
        cvarReads.fetch_add(1, std::memory_order_relaxed);
        break;
    case HostCall::WrapperCopy:
        if (hostOwnDepth == 0)
            wrapperCopies.fetch_add(1, std::memory_order_relaxed);
        break;
    case HostCall::CanvasCall:
        canvasCalls.fetch_add(1, std::memory_order_relaxed);
        break;
    }
}

HostOwnWrappers::HostOwnWrappers() noexcept { ++hostOwnDepth; }
HostOwnWrappers::~HostOwnWrappers() { --hostOwnDepth; }

HostCallCounts hostCallCounts() {
    return HostCallCounts{cvarReads.load(std::memory_order_relaxed), wrapperCopies.load(std::memory_order_relaxed),
                          canvasCalls.load(std::memory_order_relaxed)};
}

void resetHostCallCounts() {
    cvarReads.store(0, std::memory_order_relaxed);
    wrapperCopies.store(0, std::memory_order_relaxed);
    canvasCalls.store(0, std::memory_order_relaxed);
}

} // namespace vtxhost
