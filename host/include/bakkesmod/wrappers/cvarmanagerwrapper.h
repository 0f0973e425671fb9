#pragma once
// Console variables, console commands, command execution and the console log,
// as seen by one plugin.
#include "bakkesmod/wrappers/sdkexport.h"
#include <functional>
#include <string>
#include <vector>

#include "bakkesmod/wrappers/cvarwrapper.h"

namespace vtxhost {
class HostImpl;
}

class PLUGINSDK_API CVarManagerWrapper {
public:
    CVarManagerWrapper(vtxhost::HostImpl* host, int owner) : host_(host), owner_(owner) {}

    CVarWrapper registerCvar(std::string name, std::string defaultValue, std::string description = "",
                             bool searchAble = true, bool hasMin = false, float min = 0, bool hasMax = false,
                             float max = 0, bool saveToCfg = true);
    void registerNotifier(std::string name, std::function<void(std::vector<std::string>)> callback,
                          std::string description, unsigned char permissions);
    CVarWrapper getCvar(std::string name);
    void executeCommand(std::string command, bool log = true);
    void log(std::string text);

private:
    vtxhost::HostImpl* host_;
    int owner_;
};
