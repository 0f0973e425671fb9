// The host clock: frames, and time passing between them.
#include <algorithm>
#include <cmath>
#include <optional>

#include "HostCalls.h"
#include "HostImpl.h"
#include "WindowThread.h"

namespace vtxhost {

void HostImpl::setFrameRate(double framesPerSecond) {
    if (!(framesPerSecond > 0) || !std::isfinite(framesPerSecond))
        return;
    frameIntervalNs_ = std::max<std::int64_t>(1, std::llround(1e9 / framesPerSecond));
}

// Runs the earliest timer due by `limit`; timers due at the same time run in
// scheduling order. A timer scheduled without delay after `orderLimit` waits
// for the next frame, so one that keeps rescheduling itself cannot hold the
// clock still.
bool HostImpl::runNextDueTimer(std::int64_t limit, std::uint64_t orderLimit, bool moveClock) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->due > limit || (it->order >= orderLimit && it->due <= it->scheduledAt))
            continue;
        if (next == timers_.end() || it->due < next->due || (it->due == next->due && it->order < next->order)) {
            next = it;
        }
    }
    if (next == timers_.end())
        return false;
    std::optional<Timer> taken;
    {
        HostOwnWrappers own;
        taken.emplace(std::move(*next));
        timers_.erase(next);
    }
    Timer& timer = *taken;
    if (moveClock && devices().nowNs() < timer.due)
        devices().advanceNs(timer.due - devices().nowNs());
    Action action(*this);
    guarded([&] { (*timer.fn)(&timer.self); });
    return true;
}

void HostImpl::advance(std::int64_t ns) {
    if (ns < 0)
        ns = 0;
    const std::int64_t target = devices().nowNs() + ns;
    const std::uint64_t orderLimit = nextTimerOrder_;
    while (runNextDueTimer(target, orderLimit, true)) {
    }
    if (devices().nowNs() < target)
        devices().advanceNs(target - devices().nowNs());
}

void HostImpl::runKeyBindings() {
    auto bindings = bindings_;
    for (const auto& [key, command] : bindings) {
        if (devices().takeKeyPressForHost(key))
            executeCommand(command, false);
    }
}

void HostImpl::runDrawables() {
    Action action(*this);
    canvas_ = CanvasRecord{};
    canvas_.width = options_.displayWidth;
    canvas_.height = options_.displayHeight;
    auto drawables = drawables_;
    for (const auto& drawable : drawables) {
        if (!ownerLive(drawable.owner))
            continue;
        guarded([&] { (*drawable.fn)(handedCanvas()); });
    }
}

// Made straight into the drawable's argument, as the host's own.
CanvasWrapper HostImpl::handedCanvas() {
    HostOwnWrappers own;
    return CanvasWrapper(reinterpret_cast<std::uintptr_t>(&canvas_));
}

void HostImpl::runGameFrame() {
    const std::uint64_t orderLimit = nextTimerOrder_;
    while (runNextDueTimer(devices().nowNs(), orderLimit, false)) {
    }
    runKeyBindings();
    fireEvent(kViewportTickEvent);
    runDrawables();
}

// The host calls a frame makes are counted from its start to its end.
void HostImpl::frame() {
    resetHostCallCounts();
    if (windowThreadOn()) {
        frameOnTwoThreads();
    } else {
        frameOnOneThread();
    }
    frameCalls_ = hostCallCounts();
}

void HostImpl::frameOnOneThread() {
    devices().advanceNs(frameIntervalNs_);
    inFrame_ = true;
    ++toggleEpoch_;
    // Every plugin call of the frame, window toggles included, happens inside
    // one Dear ImGui frame, as it does in the game's render hook.
    beginGuiFrame(true);
    runGameFrame();
    renderWindows();
    endGuiFrame(true);
    inFrame_ = false;
}

// The window thread draws the windows that were open as the frame began
// while the game thread runs its part; the frame ends when both are done, so
// what the host program sees after it is settled. Opens and closes asked for
// meanwhile, then what the windows asked of the game thread, follow within
// the frame (a window still toggles once per frame).
void HostImpl::frameOnTwoThreads() {
    devices().advanceNs(frameIntervalNs_);
    inFrame_ = true;
    ++toggleEpoch_;
    windowThread_->start([this, windows = windowsToRender()] {
        beginGuiFrame(true);
        renderWindowList(windows);
        endGuiFrame(true);
    });
    runGameFrame();
    windowThread_->join();
    bool more = true;
    for (int round = 0; more && round < 100; ++round) {
        runDeferredWindowOperations();
        more = runGameThreadInbox() || !deferredWindowOps_.empty();
    }
    inFrame_ = false;
}

} // namespace vtxhost
