#include "HostImpl.h"

#include <algorithm>
#include <optional>

#include "GuiDrawCopy.h"
#include "HostCalls.h"
#include "LoadedPlugin.h"
#include "WindowThread.h"

namespace vtxhost {

HostImpl::HostImpl(HostOptions options)
    : options_(std::move(options)), hostCvarManager_(std::make_shared<CVarManagerWrapper>(memory(), typeid(HostImpl))),
      hostGameWrapper_(std::make_shared<GameWrapper>(memory(), 0L, typeid(HostImpl))) {
    readConfig();
    createGui();
}

HostImpl::~HostImpl() {
    unload();
    setWindowThread(false);
    destroyGui();
}

HostImpl::Action::Action(HostImpl& host) : host_(host) {
    if (host_.actionDepth_ == 0 && !host_.inFrame_)
        ++host_.toggleEpoch_;
    ++host_.actionDepth_;
}

HostImpl::Action::~Action() {
    if (host_.actionDepth_ == 1) {
        host_.drainQueue();
        // Not while a frame's two halves run: the frame takes them at its end.
        if (!host_.inFrame_)
            host_.runGameThreadInbox();
    }
    if (--host_.actionDepth_ == 0)
        host_.closeLater_.clear();
}

void HostImpl::drainQueue() noexcept {
    // A callback that keeps queueing itself must not hang the host: the rest
    // waits for the next action.
    for (int budget = 10000; !queue_.empty() && budget > 0; --budget) {
        std::optional<Queued> taken;
        {
            HostOwnWrappers own;
            taken.emplace(std::move(queue_.front()));
            queue_.pop_front();
        }
        if (!ownerLive(taken->owner))
            continue;
        guarded([&] { (*taken->fn)(&taken->self); });
    }
}

bool HostImpl::ownerLive(int owner) const {
    return std::find(liveOwners_.begin(), liveOwners_.end(), owner) != liveOwners_.end();
}

void HostImpl::log(const std::string& line) noexcept {
    try {
        // The host program's callback is called under the lock too: it sees
        // the lines one at a time, in the log's order.
        std::lock_guard lock(logMutex_);
        log_.push_back(line);
        if (options_.onLog)
            options_.onLog(line);
    } catch (...) {
        // The log is best effort; losing a line must not take the game down.
    }
}

void HostImpl::pluginException(const char* what) noexcept {
    try {
        log(std::string("Exception in plugin callback: ") + what);
    } catch (...) {
    }
}

int HostImpl::ownerOf(std::type_index type) const {
    if (type == std::type_index(typeid(HostImpl)))
        return kHostOwner;
    if (plugin_ && plugin_->type == type)
        return plugin_->owner;
    return kNoOwner;
}

std::type_index HostImpl::ownerType(int owner) const {
    if (plugin_ && plugin_->owner == owner)
        return plugin_->type;
    return owner == kHostOwner ? std::type_index(typeid(HostImpl)) : std::type_index(typeid(void));
}

void HostImpl::dropOwner(int owner) {
    liveOwners_.erase(std::remove(liveOwners_.begin(), liveOwners_.end(), owner), liveOwners_.end());
    auto byOwner = [owner](const auto& item) { return item.owner == owner; };
    std::erase_if(hooks_, byOwner);
    std::erase_if(timers_, byOwner);
    std::erase_if(queue_, byOwner);
    std::erase_if(drawables_, byOwner);
    std::erase_if(windows_, [owner](const auto& window) { return window->owner == owner; });
    std::erase_if(commands_, [owner](const auto& entry) { return entry.second.owner == owner; });
    std::lock_guard lock(cvarMutex_);
    for (auto& cvar : cvars_)
        std::erase_if(cvar->callbacks, byOwner);
}

} // namespace vtxhost
