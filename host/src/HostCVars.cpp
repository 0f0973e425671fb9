#include <algorithm>
#include <optional>
#include <utility>

#include "CVarText.h"
#include "HostImpl.h"

namespace vtxhost {

CVarEntry* HostImpl::registerCvar(CVarInfo info) {
    if (CVarEntry* existing = findCvar(info.name))
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
    auto it = cvarsByName_.find(name);
    return it == cvarsByName_.end() ? nullptr : it->second;
}

void HostImpl::setCvarText(CVarEntry& entry, const std::string& text) {
    if (entry.info.value == text && !options_.callbacksOnUnchangedValue)
        return;
    std::string old = std::exchange(entry.info.value, text);

    Action action(*this);
    // Two callbacks that keep changing the value back and forth would never end.
    constexpr int kMaxNesting = 16;
    if (entry.callbackDepth >= kMaxNesting) {
        log("Change callbacks of " + entry.info.name + " nested too deeply; not run");
        return;
    }
    ++entry.callbackDepth;
    auto callbacks = entry.callbacks;
    for (const auto& callback : callbacks) {
        if (!ownerLive(callback.owner))
            continue;
        guarded([&] {
            std::optional<CVarWrapper> now;
            {
                WrapperOwnerScope scope(callback.owner);
                now.emplace(reinterpret_cast<std::uintptr_t>(&entry), callback.ownerType);
            }
            callback.fn(old, *now);
        });
    }
    --entry.callbackDepth;
}

void HostImpl::addValueCallback(CVarEntry& entry, int owner, std::function<void(std::string, CVarWrapper)> fn) {
    if (!ownerLive(owner) || !fn)
        return;
    entry.callbacks.push_back({owner, ownerType(owner), std::move(fn)});
}

std::vector<CVarInfo> HostImpl::cvarInfos() const {
    std::vector<CVarInfo> infos;
    infos.reserve(cvars_.size());
    for (const auto& entry : cvars_)
        infos.push_back(entry->info);
    return infos;
}

} // namespace vtxhost
