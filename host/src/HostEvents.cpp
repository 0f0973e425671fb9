// Event hooks, timers, the Execute queue and canvas drawables.
#include <algorithm>
#include <cmath>

#include "HostCalls.h"
#include "HostImpl.h"

namespace vtxhost {

// Hooks, timers, Execute and drawables are the game thread's: a window
// operation's request goes there.
void HostImpl::hookEvent(int owner, const std::string& eventName, std::function<void(std::string)> fn) {
    if (onWindowThread()) {
        toGameThread([=, this]() mutable { hookEvent(owner, eventName, std::move(fn)); });
        return;
    }
    if (!ownerLive(owner) || !fn)
        return;
    hooks_.push_back({owner, eventName, std::make_shared<std::function<void(std::string)>>(std::move(fn))});
}

// The GameWrapper copies kept with a timer or a queued call are the host's own.
void HostImpl::setTimeout(int owner, std::function<void(GameWrapper*)> fn, float seconds, const GameWrapper& self) {
    if (onWindowThread()) {
        HostOwnWrappers own;
        toGameThread([=, this]() mutable { setTimeout(owner, std::move(fn), seconds, self); });
        return;
    }
    if (!ownerLive(owner) || !fn)
        return;
    double delay = std::isfinite(seconds) && seconds > 0 ? static_cast<double>(seconds) : 0.0;
    delay = std::min(delay, 1e9); // about 31 years: far enough, and no overflow
    // Whole microseconds, so that 0.1f means 100 ms and not a hair more.
    const std::int64_t now = devices().nowNs();
    const std::int64_t due = now + std::llround(delay * 1e6) * 1000;
    HostOwnWrappers own;
    timers_.push_back(
        {owner, due, now, nextTimerOrder_++, std::make_shared<std::function<void(GameWrapper*)>>(std::move(fn)), self});
}

void HostImpl::execute(int owner, std::function<void(GameWrapper*)> fn, const GameWrapper& self) {
    if (onWindowThread()) {
        HostOwnWrappers own;
        toGameThread([=, this]() mutable { execute(owner, std::move(fn), self); });
        return;
    }
    if (!ownerLive(owner) || !fn)
        return;
    // Queued inside a host action, it runs when that action ends; called
    // from outside any action, this call is the action and it runs now.
    Action action(*this);
    HostOwnWrappers own;
    queue_.push_back({owner, std::make_shared<std::function<void(GameWrapper*)>>(std::move(fn)), self});
}

void HostImpl::registerDrawable(int owner, std::function<void(CanvasWrapper)> fn) {
    if (onWindowThread()) {
        toGameThread([=, this]() mutable { registerDrawable(owner, std::move(fn)); });
        return;
    }
    if (!ownerLive(owner) || !fn)
        return;
    drawables_.push_back({owner, std::make_shared<std::function<void(CanvasWrapper)>>(std::move(fn))});
}

void HostImpl::fireEvent(const std::string& eventName) {
    Action action(*this);
    auto hooks = hooks_;
    for (const auto& hook : hooks) {
        if (hook.eventName != eventName || !ownerLive(hook.owner))
            continue;
        guarded([&] { (*hook.fn)(eventName); });
    }
}

} // namespace vtxhost
