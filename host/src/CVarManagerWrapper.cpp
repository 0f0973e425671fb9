#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

#include "HostCalls.h"
#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::HostCall;
using vtxhost::noThrow;

// `mem` is the host; `pluginIdx` the plugin whose registrations these are.
struct CVarManagerWrapper::Impl {
    vtxhost::HostImpl* host = nullptr;
    std::type_index plugin;
    int owner = vtxhost::kNoOwner;
};

CVarManagerWrapper::CVarManagerWrapper(std::uintptr_t mem, std::type_index pluginIdx)
    : pimpl(std::make_unique<Impl>(Impl{reinterpret_cast<vtxhost::HostImpl*>(mem), pluginIdx, vtxhost::kNoOwner})) {
    if (pimpl->host)
        pimpl->owner = pimpl->host->ownerOf(pluginIdx);
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

CVarManagerWrapper::CVarManagerWrapper(const CVarManagerWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

CVarManagerWrapper& CVarManagerWrapper::operator=(CVarManagerWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

CVarManagerWrapper::~CVarManagerWrapper() = default;

namespace {
CVarWrapper noVariable(std::type_index plugin) { return CVarWrapper(0, plugin); }
} // namespace

CVarWrapper CVarManagerWrapper::registerCvar(std::string cvar, std::string defaultValue, std::string desc,
                                             bool searchAble, bool hasMin, float min, bool hasMax, float max,
                                             bool saveToCfg) {
    vtxhost::HostImpl* host = pimpl->host;
    if (!host || cvar.empty())
        return noVariable(pimpl->plugin);
    return noThrow(noVariable(pimpl->plugin), [&] {
        vtxhost::CVarInfo info;
        info.name = std::move(cvar);
        info.defaultValue = std::move(defaultValue);
        info.description = std::move(desc);
        info.searchable = searchAble;
        info.hasMin = hasMin;
        info.min = min;
        info.hasMax = hasMax;
        info.max = max;
        info.save = saveToCfg;
        vtxhost::CVarEntry* entry = host->registerCvar(std::move(info));
        vtxhost::WrapperOwnerScope scope(pimpl->owner);
        return CVarWrapper(reinterpret_cast<std::uintptr_t>(entry), pimpl->plugin);
    });
}

void CVarManagerWrapper::registerNotifier(std::string cvar, commandNotifier notifier, std::string description,
                                          unsigned char permissions) {
    if (!notifier)
        return;
    registerNotifier(std::move(cvar), std::function<void(std::vector<std::string>)>(notifier), std::move(description),
                     permissions);
}

void CVarManagerWrapper::registerNotifier(std::string cvar, std::function<void(std::vector<std::string>)> notifier,
                                          std::string description, unsigned char /*permissions*/) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->registerCommand(cvar, pimpl->owner, std::move(notifier), description); });
}

CVarWrapper CVarManagerWrapper::getCvar(std::string cvar) {
    vtxhost::countHostCall(HostCall::CvarRead);
    if (!pimpl->host)
        return noVariable(pimpl->plugin);
    vtxhost::WrapperOwnerScope scope(pimpl->owner);
    return CVarWrapper(reinterpret_cast<std::uintptr_t>(pimpl->host->findCvar(cvar)), pimpl->plugin);
}

void CVarManagerWrapper::executeCommand(std::string command, bool log) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->executeCommand(command, log); });
}

void CVarManagerWrapper::log(std::string text) {
    if (pimpl->host)
        pimpl->host->log(text);
}
