#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::noThrow;

CVarWrapper CVarManagerWrapper::registerCvar(std::string name, std::string defaultValue, std::string description,
                                             bool searchAble, bool hasMin, float min, bool hasMax, float max,
                                             bool saveToCfg) {
    if (!host_ || name.empty())
        return CVarWrapper();
    return noThrow(CVarWrapper(), [&] {
        vtxhost::CVarInfo info;
        info.name = std::move(name);
        info.defaultValue = std::move(defaultValue);
        info.description = std::move(description);
        info.searchable = searchAble;
        info.hasMin = hasMin;
        info.min = min;
        info.hasMax = hasMax;
        info.max = max;
        info.save = saveToCfg;
        return CVarWrapper(host_->registerCvar(std::move(info)), owner_);
    });
}

void CVarManagerWrapper::registerNotifier(std::string name, std::function<void(std::vector<std::string>)> callback,
                                          std::string description, unsigned char /*permissions*/) {
    if (!host_)
        return;
    noThrow([&] { host_->registerCommand(name, owner_, std::move(callback), description); });
}

CVarWrapper CVarManagerWrapper::getCvar(std::string name) {
    if (!host_)
        return CVarWrapper();
    return CVarWrapper(host_->findCvar(name), owner_);
}

void CVarManagerWrapper::executeCommand(std::string command, bool log) {
    if (!host_)
        return;
    noThrow([&] { host_->executeCommand(command, log); });
}

void CVarManagerWrapper::log(std::string text) {
    if (host_)
        host_->log(text);
}
