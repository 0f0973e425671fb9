#include <algorithm>
#include <shared_mutex>
#include <utility>

#include "CVarText.h"
#include "HostCalls.h"
#include "HostImpl.h"

namespace vtxhost {

namespace {

CVarEntry* lookUp(const std::map<std::string, CVarEntry*>& byName, const std::string& name) {
    auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

} // namespace

CVarEntry* HostImpl::registerCvar(CVarInfo info) {
    std::lock_guard lock(cvarMutex_);
    if (CVarEntry* existing = lookUp(cvarsByName_, info.name))
        return existing;
    info.defaultValue = cvartext::normalizeText(info.defaultValue, info);
    info.value = info.defaultValue;
    // A value the user saved wins over the plugin's default.
    auto saved = std::find_if(savedConfig_.begin(), savedConfig_.end(),
                              [&](const auto& entry) { return entry.first == info.name; });
    if (saved != savedConfig_.end())
        info.value = cvartext::normalizeText(saved->second, info);

    auto entry = std::make_unique<CVarEntry>();
    entry->host = this;
    entry->info = std::move(info);
    CVarEntry* raw = entry.get();
    cvars_.push_back(std::move(entry));
    cvarsByName_[raw->info.name] = raw;
    return raw;
}

CVarEntry* HostImpl::findCvar(const std::string& name) const {
    std::shared_lock lock(cvarMutex_);
    return lookUp(cvarsByName_, name);
}

std::string HostImpl::cvarValue(const CVarEntry& entry) const {
    std::shared_lock lock(cvarMutex_);
    return entry.info.value;
}

CVarInfo HostImpl::cvarInfo(const CVarEntry& entry) const {
    std::shared_lock lock(cvarMutex_);
    return entry.info;
}

// The value changes at once, for whoever reads it next; the change callbacks
// are the game thread's, so a window operation's change has them run there
// once the window operation or the frame is over.
void HostImpl::setCvarText(CVarEntry& entry, const std::string& text) {
    std::string old;
    {
        std::lock_guard lock(cvarMutex_);
        if (entry.info.value == text && !options_.callbacksOnUnchangedValue)
            return;
        old = std::exchange(entry.info.value, text);
    }
    if (onWindowThread()) {
        toGameThread([this, &entry, old = std::move(old)] { runValueCallbacks(entry, old); });
        return;
    }
    runValueCallbacks(entry, old);
}

void HostImpl::runValueCallbacks(CVarEntry& entry, const std::string& old) {
    Action action(*this);
    // Two callbacks that keep changing the value back and forth would never end.
    constexpr int kMaxNesting = 16;
    if (entry.callbackDepth >= kMaxNesting) {
        log("Change callbacks of " + entry.info.name + " nested too deeply; not run");
        return;
    }
    ++entry.callbackDepth;
    std::vector<ValueChangedCallback> callbacks;
    {
        std::shared_lock lock(cvarMutex_);
        callbacks = entry.callbacks;
    }
    for (const auto& callback : callbacks) {
        if (!ownerLive(callback.owner))
            continue;
        guarded([&] { callback.fn(old, handedVariable(entry, callback)); });
    }
    --entry.callbackDepth;
}

// Made straight into the callback's argument, as the host's own, naming the
// callback's plugin.
CVarWrapper HostImpl::handedVariable(CVarEntry& entry, const ValueChangedCallback& callback) {
    WrapperOwnerScope scope(callback.owner);
    HostOwnWrappers own;
    return CVarWrapper(reinterpret_cast<std::uintptr_t>(&entry), callback.ownerType);
}

void HostImpl::addValueCallback(CVarEntry& entry, int owner, std::function<void(std::string, CVarWrapper)> fn) {
    if (onWindowThread()) {
        toGameThread(
            [this, &entry, owner, fn = std::move(fn)]() mutable { addValueCallback(entry, owner, std::move(fn)); });
        return;
    }
    if (!ownerLive(owner) || !fn)
        return;
    ValueChangedCallback callback{owner, ownerType(owner), std::move(fn)};
    std::lock_guard lock(cvarMutex_);
    entry.callbacks.push_back(std::move(callback));
}

std::vector<CVarInfo> HostImpl::cvarInfos() const {
    std::shared_lock lock(cvarMutex_);
    std::vector<CVarInfo> infos;
    infos.reserve(cvars_.size());
    for (const auto& entry : cvars_)
        infos.push_back(entry->info);
    return infos;
}

} // namespace vtxhost
